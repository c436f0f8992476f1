#include "results.h"

#include "csvnumber.h"
#include "gasmodel.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {
const QString seedColumn = QStringLiteral("seed");
const QString stepsColumn = QStringLiteral("steps");
const QString reverseColumn = QStringLiteral("reverse_after");
const QString timeColumn = QStringLiteral("T");
const QString movedColumn = QStringLiteral("moved_electrons");

QString cell(double value)
{
    return QString::fromStdString(csvNumber(value));
}

// The three columns of a quantity: its value, its error and its expected value.
QStringList quantityColumns(const QuantityDefinition &quantity)
{
    const QString key = QLatin1String(quantity.key);
    return {key, key + QStringLiteral("_error"), key + QStringLiteral("_expected")};
}

// A number as csvNumber writes it, "nan" included.
std::optional<double> numberIn(const QString &text)
{
    if (text == QLatin1String("nan"))
        return std::nan("");
    bool converted = false;
    const double value = text.toDouble(&converted);
    if (!converted || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The axes' keys are the columns they come from, where they are one.
const QVector<ResultsAxisDefinition> axes{
    {ResultsAxis::Spacing, "side", "spacing", QT_TRANSLATE_NOOP("ResultsPlot", "Spacing"),
     SettingKey::Side},
    {ResultsAxis::AtomRadius, "atom_radius", "atom radius",
     QT_TRANSLATE_NOOP("ResultsPlot", "Atom radius"), SettingKey::AtomRadius},
    {ResultsAxis::ElectronRadius, "electron_radius", "electron radius",
     QT_TRANSLATE_NOOP("ResultsPlot", "Electron radius"), SettingKey::ElectronRadius},
    {ResultsAxis::Speed, "speed", "speed", QT_TRANSLATE_NOOP("ResultsPlot", "Speed"),
     SettingKey::Speed},
    {ResultsAxis::Electrons, "electrons", "electrons",
     QT_TRANSLATE_NOOP("ResultsPlot", "Electrons"), SettingKey::Electrons},
    {ResultsAxis::Strips, "bins", "strips", QT_TRANSLATE_NOOP("ResultsPlot", "Strips"),
     SettingKey::Strips},
    {ResultsAxis::FreeArea, "free_area", "free area", QT_TRANSLATE_NOOP("ResultsPlot", "Free area"),
     std::nullopt},
    {ResultsAxis::ElectronsPerFreeArea, "electrons_per_free_area", "electrons per free area",
     QT_TRANSLATE_NOOP("ResultsPlot", "Electrons per free area"), std::nullopt},
};
} // namespace

const QVector<ResultsAxisDefinition> &resultsAxes()
{
    return axes;
}

const ResultsAxisDefinition &definitionOf(ResultsAxis axis)
{
    return *std::find_if(axes.begin(), axes.end(),
                         [axis](const ResultsAxisDefinition &d) { return d.axis == axis; });
}

std::optional<ResultsAxis> resultsAxisNamed(const QString &key)
{
    for (const ResultsAxisDefinition &axis : axes) {
        if (key == QLatin1String(axis.key))
            return axis.axis;
    }
    return std::nullopt;
}

ResultsRow ResultsRow::of(const GasModel &model)
{
    ResultsRow row;
    GasSettings &settings = row.settings;
    settings.setValue(SettingKey::Side, model.latticeSpacing());
    settings.setValue(SettingKey::AtomRadius, model.atomRadius());
    settings.setValue(SettingKey::ElectronRadius, model.electronRadius());
    settings.setValue(SettingKey::Speed, model.electronSpeed());
    settings.setValue(SettingKey::Electrons, model.number());
    settings.setValue(SettingKey::Strips, model.stripCount());
    settings.setValue(SettingKey::SelectedStrip, model.selectedStrip() + 1);
    settings.setValue(SettingKey::Motion, model.motion() == GasModel::Motion::Exact ? 1 : 0);
    row.time = model.elapsedPath() / 100;
    row.movedElectrons = model.movedElectrons();
    const int strip = model.selectedStrip();
    for (const QuantityDefinition &quantity : quantityTable()) {
        const Measurement measured = quantity.measured(model, strip);
        row.values.append(
            {measured.value, measured.standardError, quantity.expected(model, strip)});
    }
    return row;
}

const ResultsRow::Value &ResultsRow::valueOf(Quantity quantity) const
{
    const QVector<QuantityDefinition> &table = quantityTable();
    for (int q = 0; q < table.size(); ++q) {
        if (table[q].quantity == quantity)
            return values[q];
    }
    return values.first();
}

QStringList resultsColumns()
{
    QStringList columns;
    for (const SettingDefinition &setting : settingTable()) {
        if (setting.column)
            columns << QLatin1String(setting.column);
    }
    columns << seedColumn << stepsColumn << reverseColumn << timeColumn << movedColumn;
    for (const QuantityDefinition &quantity : quantityTable())
        columns << quantityColumns(quantity);
    return columns;
}

QStringList resultsCells(const ResultsRow &row)
{
    QStringList cells;
    for (const SettingDefinition &setting : settingTable()) {
        if (!setting.column)
            continue;
        const double value = row.settings.value(setting.key);
        cells << (setting.choices ? QLatin1String(setting.choices[value == 1 ? 1 : 0])
                                  : cell(value));
    }
    const auto count = [](const std::optional<int> &value) {
        return value ? QString::number(*value) : QString();
    };
    cells << count(row.seed) << count(row.steps) << count(row.reverseAfter) << cell(row.time)
          << QString::number(row.movedElectrons);
    for (const ResultsRow::Value &value : row.values)
        cells << cell(value.measured) << cell(value.error) << cell(value.expected);
    return cells;
}

std::optional<ResultsRow> resultsRowFrom(const QStringList &columns, const QStringList &cells,
                                         QString *error)
{
    ResultsRow row;
    row.values.fill({std::nan(""), std::nan(""), std::nan("")}, quantityTable().size());
    for (int i = 0; i < columns.size() && i < cells.size(); ++i) {
        const QString &column = columns[i];
        const QString &text = cells[i];
        const std::optional<double> number = numberIn(text);
        const auto bad = [&] {
            *error = column;
            return std::nullopt;
        };
        bool known = false;
        for (const SettingDefinition &setting : settingTable()) {
            if (!setting.column || column != QLatin1String(setting.column))
                continue;
            known = true;
            if (setting.choices) {
                const bool second = text == QLatin1String(setting.choices[1]);
                if (!second && text != QLatin1String(setting.choices[0]))
                    return bad();
                row.settings.setValue(setting.key, second ? 1 : 0);
            } else if (!number ||
                       !(*number >= setting.minimum && *number <= setting.runnerMaximum)) {
                return bad();
            } else {
                row.settings.setValue(setting.key, *number);
            }
        }
        std::optional<int> *const counted = column == seedColumn      ? &row.seed
                                            : column == stepsColumn   ? &row.steps
                                            : column == reverseColumn ? &row.reverseAfter
                                                                      : nullptr;
        if (counted) {
            known = true;
            if (text.isEmpty())
                continue;
            if (!number || *number != std::floor(*number) || *number < 0 || *number > 2147483647)
                return bad();
            *counted = int(*number);
        } else if (column == timeColumn || column == movedColumn) {
            known = true;
            if (!number || !(*number >= 0))
                return bad();
            if (column == timeColumn)
                row.time = *number;
            else
                row.movedElectrons = int(*number);
        }
        if (known)
            continue;
        for (int q = 0; q < quantityTable().size(); ++q) {
            const int part = quantityColumns(quantityTable()[q]).indexOf(column);
            if (part < 0)
                continue;
            if (!number && !text.isEmpty())
                return bad();
            double ResultsRow::Value::*const parts[] = {&ResultsRow::Value::measured,
                                                        &ResultsRow::Value::error,
                                                        &ResultsRow::Value::expected};
            row.values[q].*parts[part] = number.value_or(std::nan(""));
        }
    }
    return row;
}
