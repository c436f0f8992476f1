#include "ui_window.h"
#include "window.h"

#include <qcustomplot.h>

namespace {
constexpr double stripEdgeOffset = 0.001; // keeps one strip's right edge off the next one's left
constexpr double extremeSearchStart = 100500.0;
constexpr double marginFactor = 0.05;

struct Curve
{
    QVector<double> x;
    QVector<double> y;
    QString leftLabel;
    QString bottomLabel;
};

// The density profile as a staircase over the unit interval: each strip's
// value from its left edge to just short of its right edge.
Curve densityStaircase(const QVector<double> &density)
{
    Curve curve{{}, {}, QStringLiteral("density"), QStringLiteral(" ")};
    const int n = density.size();
    const double w = 1.0 / n;
    curve.x.reserve(2 * n);
    curve.y.reserve(2 * n);
    for (int i = 0; i < n; ++i) {
        curve.x.append(i * w);
        curve.y.append(density[i]);
        curve.x.append((i + 1) * w - stripEdgeOffset);
        curve.y.append(density[i]);
    }
    return curve;
}
} // namespace

// Rebuilds the plot of the chosen quantity from the model's series on every
// tick. The axis keeps its range whenever the plot refuses an empty one.
void Window::replot()
{
    plot->clearGraphs();

    enum class Mode { Probability, Pressure, Density };
    const Mode mode = ui->plotProbabilityButton->isChecked() ? Mode::Probability
                      : ui->plotPressureButton->isChecked()  ? Mode::Pressure
                                                             : Mode::Density;
    Curve curve;
    switch (mode) {
    case Mode::Probability:
        curve = {model.timeData(), model.probabilityData(), QStringLiteral("probability"),
                 QStringLiteral("T")};
        break;
    case Mode::Pressure:
        // The model keeps the running depth sum; the plot shows it per time.
        curve = {model.timeData(), model.pressureData(), QStringLiteral("pressure"),
                 QStringLiteral("T")};
        for (int i = 0; i < curve.x.size(); ++i)
            curve.y[i] = curve.y[i] / curve.x[i];
        break;
    case Mode::Density:
        curve = densityStaircase(model.densityData());
        break;
    }
    plot->yAxis->setLabel(curve.leftLabel);
    plot->xAxis->setLabel(curve.bottomLabel);

    // Time and strip edges both grow along the series: no sorting needed.
    plot->addGraph(plot->xAxis, plot->yAxis);
    plot->graph(0)->setData(curve.x, curve.y, true);
    if (!curve.x.isEmpty())
        plot->xAxis->setRange(curve.x.first(), curve.x.last());

    double min = extremeSearchStart;
    double max = -extremeSearchStart;
    for (double v : qAsConst(curve.y)) {
        if (v > max)
            max = v;
        if (v < min)
            min = v;
    }
    const double margin = (max - min) * marginFactor;
    const bool anyNumber = max >= min;

    if (mode == Mode::Probability || !anyNumber)
        plot->yAxis->setRange(0, 1);
    else if (mode == Mode::Density)
        plot->yAxis->setRange(0, 2 * max < 1 ? 2 * max : 1);
    else
        plot->yAxis->setRange(min - margin, max + margin);

    plot->replot();
}
