#include "quantities.h"

#include "gasmodel.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace {
using Shape = QuantityDefinition::Shape;
using Range = QuantityDefinition::Range;

// The settings that decide the free space, which every expected value comes from.
constexpr unsigned lattice = GasModel::Lattice;

const QVector<QuantityDefinition> table{
    // The time-averaged share of the electrons in the selected strip.
    {Quantity::Probability, "probability", "probability",
     QT_TRANSLATE_NOOP("Quantity", "P = %1 ± %2"), Shape::InTime, Range::UnitInterval, false,
     lattice | GasModel::Strips | GasModel::SelectedStrip,
     [](const GasModel &model) { return model.probabilityData(); },
     [](const GasModel &model, int) { return model.measuredProbability(); },
     [](const Expectations &expected, int) { return expected.probability(); }},
    // The depths by which the electrons overshot the walls, per unit of T.
    {Quantity::Pressure, "pressure", "pressure", QT_TRANSLATE_NOOP("Quantity", "p = %1 ± %2"),
     Shape::InTime, Range::ValuesWithMargins, true,
     lattice | GasModel::Speed | GasModel::ElectronCount,
     [](const GasModel &model) { return model.pressureData(); },
     [](const GasModel &model, int) { return model.measuredPressure(); },
     [](const Expectations &expected, int) { return expected.pressure(); }},
    // Each strip's share of the electrons, the shares summing to 1.
    {Quantity::Density, "density", "density", QT_TRANSLATE_NOOP("Quantity", "Strip %1: %2 ± %3"),
     Shape::AcrossStrips, Range::UpToTwiceTheLargest, false, lattice,
     [](const GasModel &model) { return model.densityData(); },
     [](const GasModel &model, int strip) { return model.measuredShare(strip); },
     [](const Expectations &expected, int strip) { return expected.share(strip); }},
    // The path flown between two contacts with a wall or an atom.
    {Quantity::MeanFreePath, "mean_free_path", "mean free path",
     QT_TRANSLATE_NOOP("Quantity", "ℓ = %1 ± %2 px"), Shape::InTime, Range::ValuesWithMargins,
     false, lattice, [](const GasModel &model) { return model.meanFreePathData(); },
     [](const GasModel &model, int) { return model.measuredMeanFreePath(); },
     [](const Expectations &expected, int) { return expected.meanFreePath(); }},
    // Where the electrons are now over the strips, against where the free space would put them.
    {Quantity::Entropy, "entropy", "entropy", QT_TRANSLATE_NOOP("Quantity", "S = %1 ± %2"),
     Shape::InTime, Range::ValuesWithMargins, false,
     lattice | GasModel::Strips | GasModel::ElectronCount,
     [](const GasModel &model) { return model.entropyData(); },
     [](const GasModel &model, int) { return model.measuredEntropy(); },
     [](const Expectations &expected, int) { return expected.entropy().mean; }},
};
} // namespace

double QuantityDefinition::expected(const GasModel &model, int strip) const
{
    return expectedFrom(model.expectations(), strip);
}

const QVector<QuantityDefinition> &quantityTable()
{
    return table;
}

const QuantityDefinition &definitionOf(Quantity quantity)
{
    return *std::find_if(table.begin(), table.end(), [quantity](const QuantityDefinition &d) {
        return d.quantity == quantity;
    });
}
