#ifndef VANDREL_SETTINGS_H
#define VANDREL_SETTINGS_H

#include "gasmodel.h"

#include <array>

// The settings of a demonstration, each defined once, in the order of the results table's columns:
// the form's boxes take their ranges and defaults from here, the lesson file and the runner's
// options their names, the results table its columns.
enum class SettingKey {
    Side,
    AtomRadius,
    ElectronRadius,
    Speed,
    Direction,
    Electrons,
    Strips,
    SelectedStrip,
    Motion,
};

struct SettingDefinition
{
    SettingKey key;
    // Its name on the runner's command line (--side), in a lesson file and in the results
    // table; null where that format does not keep it as a value of its own.
    const char *option;
    const char *lessonKey;
    const char *column;
    // What the runner's help calls it, and its value there.
    const char *meaning;
    const char *valueName;
    const char *unit; // empty for a count
    double defaultValue;
    double minimum;
    double maximum;
    // The runner takes more electrons than the form shows: for long, precise measurements.
    double runnerMaximum;
    bool whole; // else a real, which the form shows to two decimals
    // A choice among two names (the motion), its value the index of the name; a lesson keeps it
    // as a switch, true for the second. Null for a number.
    const char *const *choices;
};

constexpr int settingCount = 9;
const std::array<SettingDefinition, settingCount> &settingTable();
const SettingDefinition &definitionOf(SettingKey key);

class GasSettings
{
public:
    // The defaults.
    GasSettings();

    double value(SettingKey key) const { return values[std::size_t(key)]; }
    void setValue(SettingKey key, double value) { values[std::size_t(key)] = value; }

    int side() const { return int(value(SettingKey::Side)); }
    double atomRadius() const { return value(SettingKey::AtomRadius); }
    double electronRadius() const { return value(SettingKey::ElectronRadius); }
    double speed() const { return value(SettingKey::Speed); }
    double direction() const { return value(SettingKey::Direction); } // a bearing, degrees
    GasModel::Motion motion() const;
    int electrons() const { return int(value(SettingKey::Electrons)); }
    int strips() const { return int(value(SettingKey::Strips)); }
    int selectedStrip() const { return int(value(SettingKey::SelectedStrip)); } // from 1

    // Sets them on a model already sized to its field, in one fixed order whatever order they
    // came in: the lattice, the radii, the speed, the motion, the strips and the selected one
    // (the last strip where there are fewer); then moves the electrons the new geometry leaves
    // in an atom or across a wall to the nearest free spot, and adds random electrons or
    // removes the last ones up to the count. The default direction is the field view's.
    void apply(GasModel &model) const;

    bool operator==(const GasSettings &other) const { return values == other.values; }
    bool operator!=(const GasSettings &other) const { return !(*this == other); }

private:
    std::array<double, settingCount> values;
};

#endif
