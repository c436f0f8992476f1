#ifndef VANDREL_PLOTTEDCURVE_H
#define VANDREL_PLOTTEDCURVE_H

#include "quantities.h"

#include <QByteArray>
#include <QVector>

// The numbers behind the plot as it is drawn: one point per sample (time and
// value) or per strip (its number from 1 and its share), and, when the
// reference is shown, the expected value at each point.
struct PlottedCurve
{
    Quantity quantity = Quantity::Probability;
    QVector<double> x;
    QVector<double> y;
    QVector<double> expected; // empty when the reference is not shown

    const QuantityDefinition &definition() const { return definitionOf(quantity); }
    bool acrossStrips() const
    {
        return definition().shape == QuantityDefinition::Shape::AcrossStrips;
    }
    bool showsReference() const { return !expected.isEmpty(); }

    // A header line, then a row per point, numbers as csvNumber writes them.
    QByteArray toCsv() const;
};

#endif
