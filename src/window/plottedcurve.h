#ifndef VANDREL_PLOTTEDCURVE_H
#define VANDREL_PLOTTEDCURVE_H

#include <QByteArray>
#include <QString>
#include <QVector>

// The numbers behind the plot as it is drawn: one point per sample (time and
// value) or per strip (its number from 1 and its density), and, when the
// reference is shown, the expected value at each point.
struct PlottedCurve
{
    enum class Mode { Probability, Pressure, Density };

    Mode mode = Mode::Probability;
    QVector<double> x;
    QVector<double> y;
    QVector<double> expected; // empty when the reference is not shown

    bool showsReference() const { return !expected.isEmpty(); }
    QString valueName() const;

    // A header line, then a row per point, numbers as csvNumber writes them.
    QByteArray toCsv() const;
};

#endif
