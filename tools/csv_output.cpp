#include "csv_output.h"

#include "csvnumber.h"
#include "gasmodel.h"

namespace {
// A strip's row name, counted from 1.
std::string densityName(int strip)
{
    return "density_" + std::to_string(strip + 1);
}

void appendRow(std::string &out, double a, double b, double c)
{
    out += csvNumber(a);
    out += ',';
    out += csvNumber(b);
    out += ',';
    out += csvNumber(c);
    out += '\n';
}
} // namespace

std::string seriesRows(const GasModel &model)
{
    const QVector<double> t = model.timeData();
    const QVector<double> probability = model.probabilityData();
    const QVector<double> pressure = model.pressureData();
    std::string out;
    for (int i = 0; i < t.size(); ++i)
        appendRow(out, t[i], probability[i], pressure[i]);
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
    for (int i = 0; i < positions.size(); ++i)
        appendRow(out, positions[i].x(), positions[i].y(), directions[i]);
    return out;
}

std::string expectedRows(const GasModel &model)
{
    const auto row = [](const std::string &quantity, double value) {
        return quantity + ',' + csvNumber(value) + '\n';
    };
    std::string out = row("free_area", model.freeArea());
    out += row("free_wall_length", model.freeWallLength());
    out += row("probability", model.expectedProbability());
    out += row("pressure", model.expectedPressure());
    const QVector<double> density = model.expectedDensity();
    for (int j = 0; j < density.size(); ++j)
        out += row(densityName(j), density[j]);
    return out;
}

std::string summaryRows(const GasModel &model)
{
    const auto row = [](const std::string &quantity, Measurement measured,
                        double expected) {
        return quantity + ',' + csvNumber(measured.value) + ',' +
               csvNumber(measured.standardError) + ',' + csvNumber(expected) + '\n';
    };
    std::string out = row("probability", model.measuredProbability(), model.expectedProbability());
    out += row("pressure", model.measuredPressure(), model.expectedPressure());
    const QVector<double> expectedDensity = model.expectedDensity();
    for (int j = 0; j < expectedDensity.size(); ++j)
        out += row(densityName(j), model.measuredShare(j), expectedDensity[j]);
    return out;
}
