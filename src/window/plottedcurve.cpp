#include "plottedcurve.h"

#include "csvnumber.h"

QByteArray PlottedCurve::toCsv() const
{
    QByteArray csv = acrossStrips() ? "strip," : "t,";
    csv += definition().key;
    if (showsReference())
        csv += ",expected";
    csv += '\n';
    for (int i = 0; i < x.size(); ++i) {
        // Strips are counted, not measured: their numbers are written as such.
        csv += acrossStrips() ? QByteArray::number(int(x[i]))
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
