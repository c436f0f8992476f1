#ifndef VANDREL_RESULTSPLOT_H
#define VANDREL_RESULTSPLOT_H

#include "quantities.h"
#include "results.h"

#include <QCoreApplication>
#include <QVector>

#include <optional>

class QCustomPlot;

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
    // The last curve and what it was drawn for: the plot is drawn again at every tick.
    struct CurveKey
    {
        GasSettings last;
        ResultsAxis across;
        Quantity up;
        double from;
        double to;
        bool operator==(const CurveKey &other) const;
    };
    std::optional<CurveKey> curveKey;
    QVector<QPointF> curve;
};

#endif
