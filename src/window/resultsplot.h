#ifndef VANDREL_RESULTSPLOT_H
#define VANDREL_RESULTSPLOT_H

#include "quantities.h"
#include "results.h"

#include <QCoreApplication>
#include <QVector>

#include <optional>

class QCustomPlot;

// What the Results plot can put across: a setting, or what the settings make of the field.
enum class ResultsAxis {
    Spacing,
    AtomRadius,
    ElectronRadius,
    Speed,
    Electrons,
    Strips,
    FreeArea,
    ElectronsPerFreeArea,
};

struct ResultsAxisDefinition
{
    ResultsAxis axis;
    // Its name in the lesson file, its axis label (English, as all the axes), and its name in the
    // plot's choice, translated in the context "ResultsPlot".
    const char *key;
    const char *axisLabel;
    const char *name;
    // The setting it is, if it is one: then a curve of the expected value can follow it.
    std::optional<SettingKey> setting;
};

const QVector<ResultsAxisDefinition> &resultsAxes();

// The recorded experiments as points with one standard error above and below, against a setting
// or a derived quantity; those of the stepwise rule open, those of exact collisions filled. With
// the expected value: across a setting a curve over the whole range, worked out from the geometry
// at every point with the other settings of the last row; across a derived quantity, which no one
// setting makes, each row's own expected value marked beside its point.
class ResultsPlot
{
    Q_DECLARE_TR_FUNCTIONS(ResultsPlot)

public:
    struct Summary
    {
        int rows = 0;
        int beyondTwoErrors = 0; // of their expected values, among those that have one
        int stepwise = 0;
    };

    Summary draw(QCustomPlot *plot, const QVector<ResultsRow> &rows, ResultsAxis across,
                 Quantity up, bool withExpected);

    // The value of a row across that axis.
    double valueAcross(const ResultsRow &row, ResultsAxis across);

private:
    const FreeSpace &freeSpaceOf(const GasSettings &settings);
    QVector<QPointF> expectedCurve(const GasSettings &last, const ResultsAxisDefinition &across,
                                   const QuantityDefinition &up, double from, double to);

    // Free spaces worked out, by the geometry: rows share few, and each takes a millisecond.
    QVector<QPair<LatticeGeometry, FreeSpace>> freeSpaces;
};

#endif
