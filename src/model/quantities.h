#ifndef VANDREL_QUANTITIES_H
#define VANDREL_QUANTITIES_H

#include "expectations.h"
#include "ratioestimate.h"

#include <QVector>

class GasModel;

// What the program measures, each quantity defined once: the window's plot and read-out, its CSV
// export, the runner's tables and the lesson file all read this table.
enum class Quantity { Probability, Pressure, Density, MeanFreePath, Entropy };

struct QuantityDefinition
{
    // A curve in time (one value per sample), or a profile across the strips (one per strip).
    enum class Shape { InTime, AcrossStrips };
    // The plot's vertical range: 0 ... 1; 0 ... twice the largest value, at most 1; or the
    // values with a margin of 5 % on either side.
    enum class Range { UnitInterval, UpToTwiceTheLargest, ValuesWithMargins };

    Quantity quantity;
    // Its name in the CSV header, the runner's rows and the lesson file.
    const char *key;
    // The plot's vertical axis label, in English whatever the language, as the axes always were.
    const char *axisLabel;
    // The read-out, translated in the context "Quantity": value and error, after the strip's
    // number for a profile, with the unit.
    const char *readoutText;
    Shape shape;
    Range range;
    // The model records a running total whose plot divides by T.
    bool plottedPerTime;
    // The settings its expected value depends on (GasModel::Setting).
    unsigned dependsOn;

    // What the model records at each sample (in time) or for each strip (across strips).
    QVector<double> (*recorded)(const GasModel &model);
    // The value now, from each electron's own totals, with its standard error; for a profile,
    // that of one strip, counted from 0.
    Measurement (*measured)(const GasModel &model, int strip);
    // What it approaches for electrons spread evenly over the free space; NaN where none fits.
    double (*expectedFrom)(const Expectations &expected, int strip);

    // That for the model's settings and electrons now.
    double expected(const GasModel &model, int strip) const;
};

// The quantities in the order of the plot's buttons.
const QVector<QuantityDefinition> &quantityTable();
const QuantityDefinition &definitionOf(Quantity quantity);

#endif
