#include "settings.h"

#include <algorithm>

namespace {
constexpr const char *motionNames[] = {"stepwise", "exact"};

constexpr std::array<SettingDefinition, settingCount> table{{
    {SettingKey::Side, "side", "side", "side", "lattice spacing", "S", "pixels", 50, 5, 400, 400,
     true, nullptr},
    {SettingKey::AtomRadius, "atom-radius", "atomRadius", "atom_radius", "atom radius", "R",
     "pixels", 10, 0.1, 400, 400, false, nullptr},
    {SettingKey::ElectronRadius, "electron-radius", "electronRadius", "electron_radius",
     "electron radius", "r", "pixels", 4, 0.1, 400, 400, false, nullptr},
    {SettingKey::Speed, "speed", "speed", "speed", "speed", "V", "pixels per second", 100, 0.1,
     1000, 1000, false, nullptr},
    // The bearing of an electron placed by a click, degrees clockwise from straight up.
    {SettingKey::Direction, nullptr, "defaultDirection", nullptr, "default direction", "DEG",
     "degrees", 23, 0, 360, 360, false, nullptr},
    // A lesson keeps its electrons one by one.
    {SettingKey::Electrons, "electrons", nullptr, "electrons", "random electrons", "N", "", 0, 0,
     500, 1000000, true, nullptr},
    {SettingKey::Strips, "bins", "bins", "bins", "vertical strips", "B", "", 3, 1, 100, 100, true,
     nullptr},
    // Counted from 1 at the left; at most the strips.
    {SettingKey::SelectedStrip, "bin-index", "selectedBin", "bin_index", "selected strip", "K", "",
     1, 1, 100, 100, true, nullptr},
    {SettingKey::Motion, "motion", "exactCollisions", "motion", "how a step moves the electrons",
     "RULE", "", 0, 0, 1, 1, true, motionNames},
}};

constexpr bool inKeyOrder()
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (std::size_t(table[i].key) != i)
            return false;
    }
    return true;
}
static_assert(inKeyOrder(), "the table is looked up by its keys");
} // namespace

const std::array<SettingDefinition, settingCount> &settingTable()
{
    return table;
}

const SettingDefinition &definitionOf(SettingKey key)
{
    return table[std::size_t(key)];
}

GasSettings::GasSettings()
{
    for (const SettingDefinition &setting : table)
        setValue(setting.key, setting.defaultValue);
}

GasModel::Motion GasSettings::motion() const
{
    return value(SettingKey::Motion) == 1 ? GasModel::Motion::Exact : GasModel::Motion::Stepwise;
}

void GasSettings::apply(GasModel &model) const
{
    model.setSide(side());
    model.setAtomR(atomRadius());
    model.setElectronR(electronRadius());
    model.setSpeed(speed());
    model.setMotion(motion());
    model.setBinsNumber(strips());
    model.setBinIndex(std::min(selectedStrip(), strips()) - 1);
    model.moveTrappedElectronsToFreeSpots();
    model.setNumber(electrons());
}
