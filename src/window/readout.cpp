#include "readout.h"
#include "ui_window.h"
#include "window.h"

#include <QCoreApplication>

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

QString withMinusSign(const QString &text, const QLocale &locale)
{
    const QString hyphenMinus = locale.negativeSign();
    return text.startsWith(hyphenMinus) ? minusSign + text.mid(hyphenMinus.size()) : text;
}
} // namespace

QString withDecimals(double number, int decimals, const QLocale &locale)
{
    const QString text = locale.toString(roundedTo(number, decimals), 'f', std::max(decimals, 0));
    return withMinusSign(text, locale);
}

RoundedMeasurement roundedMeasurement(double value, double error, const QLocale &locale)
{
    if (!(error > 0)) {
        const int decimals = std::max(decimalsFor(value, significantWithoutError), 0);
        const QString shownError = error == 0 ? locale.toString(0) : QStringLiteral("—");
        return {withDecimals(value, decimals, locale), shownError, decimals};
    }
    int decimals = decimalsFor(error, 2);
    // Rounding can add a digit: 0.0996 is 0.10, not 0.100.
    if (roundedTo(error, decimals) >= std::pow(10.0, 2 - decimals))
        --decimals;
    return {withDecimals(value, decimals, locale), withDecimals(error, decimals, locale), decimals};
}

QString distanceInErrors(double value, double expected, double error, const QLocale &locale)
{
    const double distance = roundedTo((value - expected) / error, 1);
    const QString magnitude = locale.toString(std::abs(distance), 'f', 1);
    if (distance > 0)
        return QLatin1Char('+') + magnitude;
    return distance < 0 ? minusSign + magnitude : magnitude;
}

// The line under the plot's controls: the measured value of what the plot shows, with its
// error, and with the expected value shown also that value and how it compares.
void Window::showReadout(const PlottedCurve &curve)
{
    const QuantityDefinition &shown = curve.definition();
    const int strip = ui->binIndexBox->value() - 1;
    const Measurement measured = shown.measured(model, strip);
    if (std::isnan(measured.value)) {
        ui->readoutLabel->clear();
        return;
    }
    QLocale numbers = locale();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    const RoundedMeasurement rounded =
        roundedMeasurement(measured.value, measured.standardError, numbers);
    const QString form = QCoreApplication::translate("Quantity", shown.readoutText);
    QString text = curve.acrossStrips()
                       ? form.arg(numbers.toString(strip + 1), rounded.value, rounded.error)
                       : form.arg(rounded.value, rounded.error);
    if (ui->expectedCheckBox->isChecked())
        text = comparedWithExpected(text, shown, measured, rounded, numbers);
    ui->readoutLabel->setText(text);
}

// The expected value beside the measured one, and how many errors apart they lie, unless that
// would mislead: the settings changed since the measurement began, the stepwise rule settles off
// the expected values, or the electrons are shut in pockets.
QString Window::comparedWithExpected(const QString &measuredText, const QuantityDefinition &shown,
                                     const Measurement &measured, const RoundedMeasurement &rounded,
                                     const QLocale &numbers) const
{
    const double expected = shown.expected(model, ui->binIndexBox->value() - 1);
    if (std::isnan(expected))
        return tr("%1, no room for electrons").arg(measuredText);
    const QString expectedText = withDecimals(expected, rounded.decimals, numbers);
    // A profile's totals start again with new strips.
    const unsigned changed = shown.shape == QuantityDefinition::Shape::AcrossStrips
                                 ? model.settingsChangedSinceStripsBegan()
                                 : model.settingsChangedSinceReset();
    if (changed & shown.dependsOn)
        return tr("%1, expected %2; the settings changed since the measurement began: “%3” starts "
                  "it again")
            .arg(measuredText, expectedText, ui->resetStatisticsButton->text());
    if (!(measured.standardError > 0))
        return tr("%1, expected %2").arg(measuredText, expectedText);
    const QString distance =
        distanceInErrors(measured.value, expected, measured.standardError, numbers);
    QString text =
        model.motion() == GasModel::Motion::Exact
            ? tr("%1, expected %2 (%3 σ)").arg(measuredText, expectedText, distance)
            : tr("%1, expected %2 (%3 σ: the stepwise rule settles off it, the more "
                 "the faster; “%4” meets it)")
                  .arg(measuredText, expectedText, distance, ui->exactCollisionsCheckBox->text());
    if (model.electronsKeptInPockets())
        text = tr("%1. Each electron stays in its own pocket: the values hold on average over "
                  "placements.")
                   .arg(text);
    return text;
}
