#include "csv_output.h"

#include "csvnumber.h"
#include "gasmodel.h"
#include "quantities.h"
#include "results.h"
#include "run_options.h"

#include <cmath>

namespace {
// A profile's row name for one strip, counted from 1: density_1.
std::string stripName(const QuantityDefinition &quantity, int strip)
{
    return quantity.key + ("_" + std::to_string(strip + 1));
}

bool isProfile(const QuantityDefinition &quantity)
{
    return quantity.shape == QuantityDefinition::Shape::AcrossStrips;
}

// One row per quantity in time, one per strip of a profile, each named as its row in the tables.
template <typename Row> std::string rowsPerQuantity(const GasModel &model, Row row)
{
    std::string out;
    for (const QuantityDefinition &quantity : quantityTable()) {
        if (!isProfile(quantity)) {
            out += row(quantity.key, quantity, 0);
            continue;
        }
        for (int strip = 0; strip < model.stripCount(); ++strip)
            out += row(stripName(quantity, strip), quantity, strip);
    }
    return out;
}
} // namespace

std::string seriesHeader()
{
    std::string header = "t";
    for (const QuantityDefinition &quantity : quantityTable()) {
        if (!isProfile(quantity))
            header += std::string(",") + quantity.key;
    }
    return header;
}

// As the model records them: the pressure as its running total.
std::string seriesRows(const GasModel &model)
{
    const QVector<double> t = model.timeData();
    QVector<QVector<double>> columns;
    for (const QuantityDefinition &quantity : quantityTable()) {
        if (!isProfile(quantity))
            columns.append(quantity.recorded(model));
    }
    std::string out;
    for (int i = 0; i < t.size(); ++i) {
        out += csvNumber(t[i]);
        for (const QVector<double> &column : columns)
            out += ',' + csvNumber(column[i]);
        out += '\n';
    }
    return out;
}

std::string densityRows(const GasModel &model)
{
    const QVector<double> density = model.densityData();
    std::string out;
    for (int j = 0; j < density.size(); ++j)
        out += std::to_string(j + 1) + ',' + csvNumber(density[j]) + '\n';
    return out;
}

std::string positionsRows(const GasModel &model)
{
    const QVector<QPointF> &positions = model.electronPositions();
    const QVector<double> &directions = model.electronDirections();
    std::string out;
    for (int i = 0; i < positions.size(); ++i) {
        out += csvNumber(positions[i].x()) + ',' + csvNumber(positions[i].y()) + ',' +
               csvNumber(directions[i]) + '\n';
    }
    return out;
}

std::string expectedRows(const GasModel &model)
{
    const auto row = [](const std::string &name, double value) {
        return name + ',' + csvNumber(value) + '\n';
    };
    std::string out = row("free_area", model.freeArea());
    out += row("free_wall_length", model.freeWallLength());
    out += row("free_boundary_length", model.freeBoundaryLength());
    return out + rowsPerQuantity(
                     model, [&](const std::string &name, const QuantityDefinition &quantity,
                                int strip) { return row(name, quantity.expected(model, strip)); });
}

// Each quantity, then the electrons that met only walls: a count, with no error and nothing
// expected of it, which tells how many lengthen the mean free path.
std::string summaryRows(const GasModel &model)
{
    const auto row = [](const std::string &name, double value, double error, double expected) {
        return name + ',' + csvNumber(value) + ',' + csvNumber(error) + ',' + csvNumber(expected) +
               '\n';
    };
    const double nan = std::nan("");
    const bool anyMoved = !std::isnan(model.atomContactsPerElectron());
    return rowsPerQuantity(
               model,
               [&](const std::string &name, const QuantityDefinition &quantity, int strip) {
                   const Measurement measured = quantity.measured(model, strip);
                   return row(name, measured.value, measured.standardError,
                              quantity.expected(model, strip));
               }) +
           row("wall_only_electrons", anyMoved ? model.electronsMeetingNoAtom() : nan, nan, nan);
}

std::string resultsHeader()
{
    return resultsColumns().join(QLatin1Char(',')).toStdString();
}

std::string resultsRows(const FinishedRun &run)
{
    ResultsRow row = ResultsRow::of(run.model);
    row.seed = run.options.seed;
    row.steps = run.options.totalSteps();
    if (run.options.reverseAfter > 0)
        row.reverseAfter = run.options.reverseAfter;
    return resultsCells(row).join(QLatin1Char(',')).toStdString() + '\n';
}

std::string reversalRows(const FinishedRun &run)
{
    const GasModel::ReturnReport back =
        run.model.returnReport().value_or(run.model.returnToStart());
    return std::to_string(back.electrons) + ',' + std::to_string(back.returned) + ',' +
           csvNumber(back.medianDistance) + ',' + csvNumber(back.maxDistance) + '\n';
}
