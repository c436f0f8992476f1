#include "settings.h"
#include "ui_window.h"
#include "window.h"

// The boxes of the form that show a setting, by the setting they show.
QList<QPair<SettingKey, QAbstractSpinBox *>> Window::settingBoxes() const
{
    return {{SettingKey::Side, ui->sideBox},
            {SettingKey::AtomRadius, ui->atomRadBox},
            {SettingKey::ElectronRadius, ui->electronRadBox},
            {SettingKey::Speed, ui->speedBox},
            {SettingKey::Direction, ui->defDirBox},
            {SettingKey::Electrons, ui->numberBox},
            {SettingKey::Strips, ui->binsBox},
            {SettingKey::SelectedStrip, ui->binIndexBox}};
}

// Before anything is connected: the boxes start at the settings' defaults, within their ranges.
void Window::takeSettingRanges()
{
    for (const auto &[key, box] : settingBoxes()) {
        const SettingDefinition &setting = definitionOf(key);
        box->setProperty("minimum", setting.minimum);
        box->setProperty("maximum", setting.maximum);
        box->setProperty("value", setting.defaultValue);
    }
    ui->exactCollisionsCheckBox->setChecked(definitionOf(SettingKey::Motion).defaultValue == 1);
}

// Each box and its label tell the range, in the language's numbers; again in each language.
void Window::tellSettingRanges()
{
    QLocale numbers = locale();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto range = [&numbers](SettingKey key) {
        const SettingDefinition &setting = definitionOf(key);
        return std::make_pair(numbers.toString(setting.minimum), numbers.toString(setting.maximum));
    };
    const auto tell = [](QWidget *label, QWidget *box, const QString &text) {
        label->setToolTip(text);
        box->setToolTip(text);
    };
    auto [low, high] = range(SettingKey::Electrons);
    tell(ui->pointsLabel, ui->numberBox,
         tr("Number of electrons on the field: %1 to %2.\nA typed number applies when you press "
            "Enter.")
             .arg(low, high));
    std::tie(low, high) = range(SettingKey::Side);
    tell(ui->sideLabel, ui->sideBox,
         tr("Distance between the centres of neighbouring atoms: %1 to %2 pixels.").arg(low, high));
    std::tie(low, high) = range(SettingKey::AtomRadius);
    tell(ui->atomRadLabel, ui->atomRadBox,
         tr("Radius of the atoms: %1 to %2 pixels.").arg(low, high));
    std::tie(low, high) = range(SettingKey::ElectronRadius);
    tell(ui->electronRadLabel, ui->electronRadBox,
         tr("Radius of the electrons: %1 to %2 pixels.").arg(low, high));
    std::tie(low, high) = range(SettingKey::Speed);
    tell(ui->speedLabel, ui->speedBox,
         tr("Speed of the electrons: %1 to %2 pixels per second.").arg(low, high));
    std::tie(low, high) = range(SettingKey::Direction);
    tell(ui->defDirLabel, ui->defDirBox,
         tr("Direction of an electron placed by a click on the field:\n%1 to %2 degrees clockwise "
            "from up (90 points right).")
             .arg(low, high));
    std::tie(low, high) = range(SettingKey::Strips);
    tell(ui->binsLabel, ui->binsBox,
         tr("Number of equal vertical strips the field is cut into: %1 to %2.").arg(low, high));
    tell(ui->binIndexLabel, ui->binIndexBox,
         tr("The strip whose probability is plotted, counted from the left:\n%1 to the number of "
            "strips.")
             .arg(range(SettingKey::SelectedStrip).first));
}

// The settings as the form shows them; the count is that of the electrons box.
GasSettings Window::formSettings() const
{
    GasSettings settings;
    for (const auto &[key, box] : settingBoxes())
        settings.setValue(key, box->property("value").toDouble());
    settings.setValue(SettingKey::Motion, ui->exactCollisionsCheckBox->isChecked() ? 1 : 0);
    return settings;
}

// Through the boxes, so that the field and the model follow them as they follow the user; the
// strips before the selected one, whose box they bound. The count is left to the caller.
void Window::showSettings(const GasSettings &settings)
{
    for (const auto &[key, box] : settingBoxes()) {
        if (key != SettingKey::Electrons)
            box->setProperty("value", settings.value(key));
    }
    ui->exactCollisionsCheckBox->setChecked(settings.motion() == GasModel::Motion::Exact);
}
