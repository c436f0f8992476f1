#include "plottedcurve.h"

#include "csvnumber.h"

QString PlottedCurve::valueName() const
{
    switch (mode) {
    case Mode::Probability:
        return QStringLiteral("probability");
    case Mode::Pressure:
        return QStringLiteral("pressure");
    case Mode::Density:
        break;
    }
    return QStringLiteral("density");
}

QByteArray PlottedCurve::toCsv() const
{
    QByteArray csv = mode == Mode::Density ? "strip," : "t,";
    csv += valueName().toLatin1();
    if (showsReference())
        csv += ",expected";
    csv += '\n';
    for (int i = 0; i < x.size(); ++i) {
        // Strips are counted, not measured: their numbers are written as such.
        csv += mode == Mode::Density ? QByteArray::number(int(x[i]))
                                     : QByteArray::fromStdString(csvNumber(x[i]));
        csv += ',';
        csv += QByteArray::fromStdString(csvNumber(y[i]));
        if (showsReference()) {
            csv += ',';
            csv += QByteArray::fromStdString(csvNumber(expected[i]));
        }
        csv += '\n';
    }
    return csv;
}
