#include "readout.h"
#include "ui_window.h"
#include "window.h"

#include <QCoreApplication>

#include <cmath>

namespace {
constexpr int significantWithoutError = 4;
const QString minusSign = QStringLiteral("\u2212");
const QChar noBreakSpace(0x00a0);

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

QString twoDigits(double number, const QLocale &locale)
{
    if (number == 0 || !std::isfinite(number))
        return locale.toString(number);
    const int exponent = int(std::floor(std::log10(std::abs(number))));
    if (exponent >= -3 && exponent < 6)
        return withDecimals(number, 1 - exponent, locale);
    static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString power = QString::number(std::abs(exponent));
    for (QChar &digit : power)
        digit = superscripts.at(digit.digitValue());
    const QString mantissa = withDecimals(number / std::pow(10.0, exponent), 1, locale);
    return mantissa + QStringLiteral("·10") + (exponent < 0 ? QStringLiteral("⁻") : QString()) +
           power;
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
// error, and with the expected value shown also that value and how it compares. Under it, a line
// of notes: why the comparison would mislead, and what lengthens the mean free path.
void Window::showReadout(const PlottedCurve &curve)
{
    const QuantityDefinition &shown = curve.definition();
    const int strip = ui->binIndexBox->value() - 1;
    const Measurement measured = shown.measured(model, strip);
    if (std::isnan(measured.value)) {
        ui->readoutLabel->clear();
        ui->readoutNoteLabel->setNote(recordNotice);
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
    // A narrow read-out wraps, but never within the value and its error.
    text.replace(QLatin1Char(' '), noBreakSpace);
    QStringList notes;
    if (ui->expectedCheckBox->isChecked())
        text = comparedWithExpected(text, shown, measured, rounded, numbers, notes);
    else
        notes << stepOutrunsTheAtoms(numbers);
    if (shown.quantity == Quantity::MeanFreePath)
        notes << electronsMeetingOnlyWalls();
    notes.prepend(arrowOfTimeNotes(shown, numbers));
    notes.prepend(recordNotice);
    notes.removeAll(QString());
    ui->readoutLabel->setText(text);
    ui->readoutNoteLabel->setNote(notes.join(QLatin1Char(' ')));
}

// The expected value beside the measured one, and how many errors apart they lie, unless that
// would mislead: the settings changed since the measurement began. Notes say why the distance
// may be large: the stepwise rule settles off the expected values, or the electrons are shut in
// pockets.
QString Window::comparedWithExpected(const QString &measuredText, const QuantityDefinition &shown,
                                     const Measurement &measured, const RoundedMeasurement &rounded,
                                     const QLocale &numbers, QStringList &notes) const
{
    const double expected = shown.expected(model, ui->binIndexBox->value() - 1);
    if (std::isnan(expected))
        return tr("%1, no room for electrons").arg(measuredText);
    const QString expectedText = withDecimals(expected, rounded.decimals, numbers);
    // A profile's totals start again with new strips.
    const unsigned changed = shown.shape == QuantityDefinition::Shape::AcrossStrips
                                 ? model.settingsChangedSinceStripsBegan()
                                 : model.settingsChangedSinceReset();
    if (changed & shown.dependsOn) {
        notes << tr("The settings changed since the measurement began: “%1” starts it again.")
                     .arg(ui->resetStatisticsButton->text());
        return tr("%1, expected %2").arg(measuredText, expectedText);
    }
    if (model.motion() == GasModel::Motion::Stepwise) {
        const QString outrun = stepOutrunsTheAtoms(numbers);
        notes << (!outrun.isEmpty() ? outrun
                                    : tr("The stepwise rule settles off the expected value, the "
                                         "more the faster; “%1” meets it.")
                                          .arg(ui->exactCollisionsCheckBox->text()));
    }
    if (model.electronsKeptInPockets())
        notes << tr("Each electron stays in its own pocket: the values hold on average over "
                    "placements.");
    if (!(measured.standardError > 0))
        return tr("%1, expected %2").arg(measuredText, expectedText);
    const QString distance =
        distanceInErrors(measured.value, expected, measured.standardError, numbers);
    return tr("%1, expected %2 (%3)")
        .arg(measuredText, expectedText, distance + noBreakSpace + QStringLiteral("σ"));
}

// Where one step of the stepwise rule is longer than a gap between the atoms' reach, or than the
// reach across, it jumps what it should meet; said with the two lengths.
QString Window::stepOutrunsTheAtoms(const QLocale &numbers) const
{
    if (model.motion() != GasModel::Motion::Stepwise)
        return QString();
    const double step = model.electronSpeed() * GasModel::tickMs / 1000;
    const double across = 2 * (model.atomRadius() + model.electronRadius());
    const double gap = model.latticeSpacing() - across;
    const bool gapsNarrower = gap > 0 && gap < across;
    if (!(step > (gapsNarrower ? gap : across)))
        return QString();
    const auto length = [&numbers](double pixels) { return numbers.toString(pixels, 'g', 3); };
    const QString exact = ui->exactCollisionsCheckBox->text();
    if (gapsNarrower)
        return tr("A step of %1 px crosses gaps of %2 px: electrons pass through atoms; “%3” "
                  "meets the expected value.")
            .arg(length(step), length(gap), exact);
    return tr("A step of %1 px crosses atoms %2 px across: electrons pass through them; “%3” "
              "meets the expected value.")
        .arg(length(step), length(across), exact);
}

// Flying exactly along a lattice row or diagonal, an electron may never meet an atom and lengthens
// the mean free path. Once the others have met ten each on average, those are counted.
QString Window::electronsMeetingOnlyWalls() const
{
    constexpr double atomsMetEnough = 10;
    const int alone = model.electronsMeetingNoAtom();
    if (!(model.atomContactsPerElectron() >= atomsMetEnough) || alone == 0)
        return QString();
    return tr("Electrons that met only walls since the measurement began: %1; they lift ℓ.")
        .arg(locale().toString(alone));
}
