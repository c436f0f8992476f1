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
