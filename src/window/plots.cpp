#include "plottedcurve.h"
#include "ui_window.h"
#include "window.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {
constexpr double stripEdgeOffset = 0.001; // keeps one strip's right edge off the next one's left
constexpr double extremeSearchStart = 100500.0;
constexpr double marginFactor = 0.05;

struct Points
{
    QVector<double> x;
    QVector<double> y;
};

// The density profile as a staircase over the unit interval: each strip's
// value from its left edge to just short of its right edge.
Points staircase(const QVector<double> &perStrip)
{
    Points points;
    const int n = perStrip.size();
    const double w = 1.0 / n;
    points.x.reserve(2 * n);
    points.y.reserve(2 * n);
    for (int i = 0; i < n; ++i) {
        points.x.append(i * w);
        points.y.append(perStrip[i]);
        points.x.append((i + 1) * w - stripEdgeOffset);
        points.y.append(perStrip[i]);
    }
    return points;
}

// The reference in the same shape as the data: the staircase of the expected strip shares, or a
// level line over the data's time span, and before the first sample over the axis's range.
Points referencePoints(const PlottedCurve &curve, const Points &data, double level,
                       const QCPRange &axisRange)
{
    if (curve.acrossStrips())
        return staircase(curve.expected);
    if (data.x.isEmpty())
        return {{axisRange.lower, axisRange.upper}, {level, level}};
    return {{data.x.first(), data.x.last()}, {level, level}};
}

QPen referencePen()
{
    return QPen(QColor(0xc0, 0x00, 0x00), 2, Qt::DashLine);
}

struct ValueRange
{
    double lower;
    double upper;
};

// Widens the range just enough for the values it must show, keeping the same
// margin beyond them; values that are not numbers widen nothing. A range taken
// from the data also widens for a value on its edge, where the frame would
// hide the line.
ValueRange widenedToShow(ValueRange range, const QVector<double> &values, bool alsoOnEdge)
{
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    if (*highest > range.upper || (alsoOnEdge && *highest == range.upper))
        range.upper = *highest + (*highest - range.lower) * marginFactor;
    if (*lowest < range.lower || (alsoOnEdge && *lowest == range.lower))
        range.lower = *lowest - (range.upper - *lowest) * marginFactor;
    return range;
}
} // namespace

// The numbers behind the chosen plot, straight from the model's series.
PlottedCurve Window::currentCurve() const
{
    PlottedCurve curve;
    curve.quantity = shownQuantity();
    const QuantityDefinition &shown = curve.definition();
    const bool withReference = ui->expectedCheckBox->isChecked();
    curve.y = shown.recorded(model);
    if (curve.acrossStrips()) {
        for (int strip = 1; strip <= curve.y.size(); ++strip)
            curve.x.append(strip);
        if (withReference) {
            for (int strip = 0; strip < curve.y.size(); ++strip)
                curve.expected.append(shown.expected(model, strip));
        }
        return curve;
    }
    curve.x = model.timeData();
    // The model keeps a running total; the plot shows it per time.
    if (shown.plottedPerTime) {
        for (int i = 0; i < curve.x.size(); ++i)
            curve.y[i] = curve.y[i] / curve.x[i];
    }
    if (withReference)
        curve.expected.fill(shown.expected(model, ui->binIndexBox->value() - 1), curve.x.size());
    return curve;
}

// Rebuilds the plot of the chosen quantity from the model's series on every
// tick. The axis keeps its range whenever the plot refuses an empty one.
void Window::replot()
{
    if (showsResults()) {
        showResults();
        return;
    }
    using Range = QuantityDefinition::Range;
    plot->clearPlottables(); // the Results plot's error bars too
    shownCurve = currentCurve();
    const QuantityDefinition &shown = shownCurve.definition();
    const Points data =
        shownCurve.acrossStrips() ? staircase(shownCurve.y) : Points{shownCurve.x, shownCurve.y};
    plot->yAxis->setLabel(QString::fromLatin1(shown.axisLabel));
    plot->xAxis->setLabel(shownCurve.acrossStrips() ? QStringLiteral(" ") : QStringLiteral("T"));

    // Time and strip edges both grow along the series: no sorting needed.
    plot->addGraph(plot->xAxis, plot->yAxis);
    plot->graph(0)->setName(tr("measured"));
    plot->graph(0)->setData(data.x, data.y, true);
    if (!data.x.isEmpty())
        plot->xAxis->setRange(data.x.first(), data.x.last());

    // Before the first sample a curve in time has only its value now: the axis spans it and 0,
    // so the entropy of a filled strip is on the plot from the start, not below a 0 ... 1 frame.
    QVector<double> values = data.y;
    if (values.isEmpty() && !shownCurve.acrossStrips()) {
        const double now = shown.measured(model, 0).value;
        if (std::isfinite(now))
            values = {now, 0};
    }
    double min = extremeSearchStart;
    double max = -extremeSearchStart;
    for (double v : values) {
        if (v > max)
            max = v;
        if (v < min)
            min = v;
    }
    const double margin = (max - min) * marginFactor;
    const bool anyNumber = max >= min;

    ValueRange left{0, 1};
    if (shown.range == Range::UpToTwiceTheLargest && anyNumber)
        left = {0, 2 * max < 1 ? 2 * max : 1};
    else if (shown.range == Range::ValuesWithMargins && anyNumber)
        left = {min - margin, max + margin};

    // The line is there as soon as it is asked for, before anything is measured: an opened lesson
    // shows the plot its settings give.
    const double level = shown.expected(model, ui->binIndexBox->value() - 1);
    const Points reference = ui->expectedCheckBox->isChecked()
                                 ? referencePoints(shownCurve, data, level, plot->xAxis->range())
                                 : Points{};
    const bool referenceKnown = std::any_of(reference.y.begin(), reference.y.end(),
                                            [](double v) { return !std::isnan(v); });
    if (referenceKnown) {
        QCPGraph *line = plot->addGraph(plot->xAxis, plot->yAxis);
        line->setPen(referencePen());
        line->setName(tr("expected"));
        line->setData(reference.x, reference.y, true);
        left = widenedToShow(left, reference.y, shown.range == Range::ValuesWithMargins);
    }
    plot->yAxis->setRange(left.lower, left.upper);
    plot->replot();
    showReadout(shownCurve);
}
