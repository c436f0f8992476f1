#ifndef VANDREL_READOUT_H
#define VANDREL_READOUT_H

#include <QLocale>
#include <QString>

// A measured value and its standard error as physicists write them: the error to two
// significant digits, the value to the same decimal place (0.31874 ± 0.00213 gives 0.3187 and
// 0.0021). An error of 0 leaves the value with four significant digits and the error "0"; an
// unknown (NaN) error the same with "—". Numbers in the locale's digits and decimal sign,
// negative ones with a true minus sign.
struct RoundedMeasurement
{
    QString value;
    QString error;
    int decimals; // of the value: negative when it is rounded to tens or more
};
RoundedMeasurement roundedMeasurement(double value, double error,
                                      const QLocale &locale = QLocale::c());

// Another number to the decimal place of a rounded measurement.
QString withDecimals(double number, int decimals, const QLocale &locale = QLocale::c());

// A number to two significant digits as a reader writes it: 0.13, 160, or 5.4·10⁻¹⁰ where it is
// very small or very large.
QString twoDigits(double number, const QLocale &locale = QLocale::c());

// How many standard errors the value lies from the expected one, to one decimal, with its
// sign: "−0.9", "+1.3", "0.0".
QString distanceInErrors(double value, double expected, double error,
                         const QLocale &locale = QLocale::c());

#endif
