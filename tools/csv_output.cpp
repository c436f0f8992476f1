#include "csv_output.h"

#include "gasmodel.h"

#include <cmath>
#include <cstdio>

std::string formatNumber(double x)
{
    if (std::isnan(x))
        return "nan";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", x);
    return text;
}

namespace {
void appendRow(std::string &out, double a, double b, double c)
{
    out += formatNumber(a);
    out += ',';
    out += formatNumber(b);
    out += ',';
    out += formatNumber(c);
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
        out += std::to_string(j + 1) + ',' + formatNumber(density[j]) + '\n';
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
