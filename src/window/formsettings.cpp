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
    const QList<std::tuple<SettingKey, QWidget *, QString>> told{
        {SettingKey::Electrons, ui->pointsLabel,
         tr("Number of electrons on the field: %1 to %2.\nA typed number applies when you press "
            "Enter.")},
        {SettingKey::Side, ui->sideLabel,
         tr("Distance between the centres of neighbouring atoms: %1 to %2 pixels.")},
        {SettingKey::AtomRadius, ui->atomRadLabel, tr("Radius of the atoms: %1 to %2 pixels.")},
        {SettingKey::ElectronRadius, ui->electronRadLabel,
         tr("Radius of the electrons: %1 to %2 pixels.")},
        {SettingKey::Speed, ui->speedLabel,
         tr("Speed of the electrons: %1 to %2 pixels per second.")},
        {SettingKey::Direction, ui->defDirLabel,
         tr("Direction of an electron placed by a click on the field:\n%1 to %2 degrees clockwise "
            "from up (90 points right).")},
        {SettingKey::Strips, ui->binsLabel,
         tr("Number of equal vertical strips the field is cut into: %1 to %2.")},
        {SettingKey::SelectedStrip, ui->binIndexLabel,
         tr("The strip whose probability is plotted, counted from the left:\n%1 to the number of "
            "strips.")}};
    QLocale numbers = locale();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    const QList<QPair<SettingKey, QAbstractSpinBox *>> boxes = settingBoxes();
    for (const auto &[key, label, text] : told) {
        const SettingDefinition &setting = definitionOf(key);
        const QString low = numbers.toString(setting.minimum);
        const QString range = text.contains(QLatin1String("%2"))
                                  ? text.arg(low, numbers.toString(setting.maximum))
                                  : text.arg(low);
        label->setToolTip(range);
        for (const auto &[boxKey, box] : boxes) {
            if (boxKey == key)
                box->setToolTip(range);
        }
    }
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
