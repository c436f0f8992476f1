#include "readout.h"
#include "ui_window.h"
#include "window.h"

#include <cmath>

namespace {
constexpr int significantWithoutError = 4;
const QString minusSign = QStringLiteral("\u2212");

// The decimal place of a number's last significant digit, counted like decimals.
int decimalsFor(double number, int significantDigits)
{
    if (number == 0)
        return significantDigits - 1;
    return significantDigits - 1 - int(std::floor(std::log10(std::abs(number))));
}

// The number rounded to that many decimals; a negative count rounds to tens, hundreds, ...
double roundedTo(double number, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(number * scale) / scale;
}
} // namespace

QString withDecimals(double number, int decimals)
{
    const QString text = QString::number(roundedTo(number, decimals), 'f', std::max(decimals, 0));
    return text.startsWith(QLatin1Char('-')) ? minusSign + text.mid(1) : text;
}

RoundedMeasurement roundedMeasurement(double value, double error)
{
    if (!(error > 0)) {
        const int decimals = std::max(decimalsFor(value, significantWithoutError), 0);
        const QString shownError = error == 0 ? QStringLiteral("0") : QStringLiteral("—");
        return {withDecimals(value, decimals), shownError, decimals};
    }
    int decimals = decimalsFor(error, 2);
    // Rounding can add a digit: 0.0996 is 0.10, not 0.100.
    if (roundedTo(error, decimals) >= std::pow(10.0, 2 - decimals))
        --decimals;
    return {withDecimals(value, decimals), withDecimals(error, decimals), decimals};
}

QString distanceInErrors(double value, double expected, double error)
{
    const double distance = roundedTo((value - expected) / error, 1);
    const QString magnitude = QString::number(std::abs(distance), 'f', 1);
    if (distance > 0)
        return QLatin1Char('+') + magnitude;
    return distance < 0 ? minusSign + magnitude : magnitude;
}

// The line under the plot's controls: the measured value of what the plot shows, with its
// error, and with the expected value shown also that value and the distance in errors.
void Window::showReadout(const PlottedCurve &curve)
{
    const int strip = ui->binIndexBox->value() - 1;
    Measurement measured{};
    double expected = 0;
    switch (curve.mode) {
    case PlottedCurve::Mode::Probability:
        measured = model.measuredProbability();
        expected = model.expectedProbability();
        break;
    case PlottedCurve::Mode::Pressure:
        measured = model.measuredPressure();
        expected = model.expectedPressure();
        break;
    case PlottedCurve::Mode::Density:
        measured = model.measuredShare(strip);
        expected = model.expectedDensity().value(strip, std::nan(""));
        break;
    }
    if (std::isnan(measured.value)) {
        ui->readoutLabel->clear();
        return;
    }
    const RoundedMeasurement rounded = roundedMeasurement(measured.value, measured.standardError);
    QString text;
    if (curve.mode == PlottedCurve::Mode::Probability)
        text = tr("P = %1 ± %2").arg(rounded.value, rounded.error);
    else if (curve.mode == PlottedCurve::Mode::Pressure)
        text = tr("p = %1 ± %2").arg(rounded.value, rounded.error);
    else
        text =
            tr("Strip %1: %2 ± %3").arg(QString::number(strip + 1), rounded.value, rounded.error);
    if (ui->expectedCheckBox->isChecked()) {
        if (std::isnan(expected))
            text = tr("%1, no room for electrons").arg(text);
        else if (measured.standardError > 0)
            text = tr("%1, expected %2 (%3 σ)")
                       .arg(text, withDecimals(expected, rounded.decimals),
                            distanceInErrors(measured.value, expected, measured.standardError));
        else
            text = tr("%1, expected %2").arg(text, withDecimals(expected, rounded.decimals));
    }
    ui->readoutLabel->setText(text);
}
