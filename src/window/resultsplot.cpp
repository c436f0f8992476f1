#include "resultsplot.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace {
// Points along a curve of the expected value: enough for the steps a spacing makes.
constexpr int curveSamples = 80;
// Free spaces kept at the most; each is a few hundred bytes.
constexpr int keptFreeSpaces = 500;
constexpr double marginFactor = 0.05;
const QColor pointColour(0x1f, 0x4e, 0xa8);
const QColor expectedColour(0xc0, 0x00, 0x00);

struct Range
{
    double lower = std::numeric_limits<double>::infinity();
    double upper = -std::numeric_limits<double>::infinity();

    void take(double value)
    {
        if (std::isfinite(value)) {
            lower = std::min(lower, value);
            upper = std::max(upper, value);
        }
    }
    bool isEmpty() const { return !(upper >= lower); }
    // With a margin on either side; a single value gets room around it.
    Range widened() const
    {
        const double span = upper > lower ? upper - lower : std::max(std::abs(upper) * 0.2, 1.0);
        return {lower - span * marginFactor, upper + span * marginFactor};
    }
};

// One kind of point: its places, sorted across, and its errors.
struct Points
{
    QVector<QPair<double, QPair<double, double>>> byKey; // across, (value, error)

    void add(double across, double value, double error)
    {
        byKey.append({across, {value, std::isfinite(error) ? error : 0.0}});
    }
};
} // namespace

const FreeSpace &ResultsPlot::freeSpaceOf(const GasSettings &settings)
{
    const LatticeGeometry geometry = Expectations::geometryOf(settings);
    for (const auto &[known, space] : freeSpaces) {
        if (known == geometry)
            return space;
    }
    if (freeSpaces.size() >= keptFreeSpaces)
        freeSpaces.clear();
    freeSpaces.append({geometry, computeFreeSpace(geometry)});
    return freeSpaces.last().second;
}

double ResultsPlot::valueAcross(const ResultsRow &row, ResultsAxis across)
{
    const ResultsAxisDefinition &axis = definitionOf(across);
    if (axis.setting)
        return row.settings.value(*axis.setting);
    const double area = freeSpaceOf(row.settings).area;
    if (across == ResultsAxis::FreeArea)
        return area;
    return area > 0 ? row.settings.electrons() / area : std::nan("");
}

bool ResultsPlot::CurveKey::operator==(const CurveKey &other) const
{
    return last == other.last && across == other.across && up == other.up && from == other.from &&
           to == other.to;
}

QVector<QPointF> ResultsPlot::expectedCurve(const GasSettings &last,
                                            const ResultsAxisDefinition &across,
                                            const QuantityDefinition &up, double from, double to)
{
    const CurveKey key{last, across.axis, up.quantity, from, to};
    if (curveKey == key)
        return curve;
    const SettingDefinition &setting = ::definitionOf(*across.setting);
    const double low = std::max(from, setting.minimum);
    const double high = std::min(to, setting.runnerMaximum);
    curve.clear();
    for (int i = 0; i <= curveSamples; ++i) {
        double x = low + (high - low) * i / curveSamples;
        if (setting.whole)
            x = std::round(x);
        if (!curve.isEmpty() && x == curve.last().x())
            continue;
        GasSettings settings = last;
        settings.setValue(setting.key, x);
        const Expectations expected = Expectations::of(settings, freeSpaceOf(settings));
        curve.append(QPointF(x, up.expectedFrom(expected, settings.selectedStrip() - 1)));
    }
    curveKey = key;
    return curve;
}

ResultsPlot::Summary ResultsPlot::draw(QCustomPlot *plot, const QVector<ResultsRow> &rows,
                                       ResultsAxis across, Quantity up, bool withExpected)
{
    const ResultsAxisDefinition &axis = definitionOf(across);
    const QuantityDefinition &quantity = ::definitionOf(up);
    plot->clearPlottables();
    plot->xAxis->setLabel(QString::fromLatin1(axis.axisLabel));
    plot->yAxis->setLabel(QString::fromLatin1(quantity.axisLabel));

    Summary summary;
    summary.rows = rows.size();
    Points exact;
    Points stepwise;
    QVector<double> markAcross;
    QVector<double> markExpected;
    Range horizontal;
    Range vertical;
    for (const ResultsRow &row : rows) {
        const double x = valueAcross(row, across);
        const ResultsRow::Value &value = row.valueOf(up);
        const bool isExact = row.settings.motion() == GasModel::Motion::Exact;
        summary.stepwise += isExact ? 0 : 1;
        if (std::abs(value.measured - value.expected) > 2 * value.error)
            ++summary.beyondTwoErrors;
        if (!std::isfinite(x) || !std::isfinite(value.measured))
            continue;
        (isExact ? exact : stepwise).add(x, value.measured, value.error);
        horizontal.take(x);
        const double error = std::isfinite(value.error) ? value.error : 0.0;
        vertical.take(value.measured - error);
        vertical.take(value.measured + error);
        if (withExpected && !axis.setting && std::isfinite(value.expected)) {
            markAcross << x;
            markExpected << value.expected;
            vertical.take(value.expected);
        }
    }
    const Range shownAcross = horizontal.isEmpty() ? Range{0, 1} : horizontal.widened();

    const QPen pointPen(pointColour, 1.5);
    for (Points *points : {&exact, &stepwise}) {
        if (points->byKey.isEmpty())
            continue;
        std::sort(points->byKey.begin(), points->byKey.end(),
                  [](const auto &a, const auto &b) { return a.first < b.first; });
        QVector<double> keys;
        QVector<double> values;
        QVector<double> errors;
        for (const auto &[key, valueAndError] : points->byKey) {
            keys << key;
            values << valueAndError.first;
            errors << valueAndError.second;
        }
        const bool filled = points == &exact;
        QCPGraph *graph = plot->addGraph(plot->xAxis, plot->yAxis);
        graph->setName(filled ? tr("exact collisions") : tr("stepwise rule"));
        graph->setLineStyle(QCPGraph::lsNone);
        graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, pointPen,
                                               filled ? QBrush(pointColour) : QBrush(Qt::white),
                                               8));
        graph->setData(keys, values, true);
        auto *bars = new QCPErrorBars(plot->xAxis, plot->yAxis);
        bars->removeFromLegend();
        bars->setPen(pointPen);
        bars->setDataPlottable(graph);
        bars->setData(errors);
    }

    if (withExpected && axis.setting && !rows.isEmpty()) {
        const QVector<QPointF> curve = expectedCurve(rows.last().settings, axis, quantity,
                                                     shownAcross.lower, shownAcross.upper);
        QVector<double> keys;
        QVector<double> values;
        for (const QPointF &point : curve) {
            keys << point.x();
            values << point.y();
            vertical.take(point.y());
        }
        QCPGraph *line = plot->addGraph(plot->xAxis, plot->yAxis);
        line->setName(tr("expected"));
        line->setPen(QPen(expectedColour, 2, Qt::DashLine));
        line->setData(keys, values, true);
    } else if (!markAcross.isEmpty()) {
        QCPGraph *marks = plot->addGraph(plot->xAxis, plot->yAxis);
        marks->setName(tr("expected"));
        marks->setLineStyle(QCPGraph::lsNone);
        marks->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssCross, QPen(expectedColour, 2), Qt::NoBrush, 10));
        marks->setData(markAcross, markExpected);
    }

    plot->xAxis->setRange(shownAcross.lower, shownAcross.upper);
    const Range shownUp = vertical.isEmpty() ? Range{0, 1} : vertical.widened();
    plot->yAxis->setRange(shownUp.lower, shownUp.upper);
    plot->replot();
    return summary;
}
