#include "lesson.h"

#include "lessonformat.h"
#include "quantities.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {
// Shortest text that reads back to the same double; whole numbers without a point.
QByteArray number(double value)
{
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

QByteArray flag(bool value)
{
    return value ? "true" : "false";
}

// As a JSON string, its quotes, backslashes and control characters escaped.
QByteArray quoted(const QString &text)
{
    const QByteArray list = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return list.mid(1, list.size() - 2);
}

// A results row as a JSON list under the columns: numbers, the motion by its name, null for what
// the row lacks or for a value that is not a number.
QByteArray resultsLine(const ResultsRow &row)
{
    QByteArrayList cells;
    for (const QString &cell : resultsCells(row)) {
        bool isNumber = false;
        const double value = cell.toDouble(&isNumber);
        cells << (cell.isEmpty() || cell == QLatin1String("nan") ? QByteArray("null")
                  : isNumber                                     ? number(value)
                                                                 : quoted(cell));
    }
    return "            [" + cells.join(", ") + ']';
}

QByteArray resultsField(const QVector<ResultsRow> &results)
{
    QByteArrayList columns;
    for (const QString &column : resultsColumns())
        columns << quoted(column);
    QByteArrayList lines;
    for (const ResultsRow &row : results)
        lines << resultsLine(row);
    return "{\n        \"columns\": [" + columns.join(", ") + "],\n        \"rows\": [\n" +
           lines.join(",\n") + "\n        ]\n    }";
}
} // namespace

bool Lesson::needsNewerFormat() const
{
    const auto firstPlots = std::begin(LessonFormat::firstPlots);
    const auto lastPlots = std::end(LessonFormat::firstPlots);
    const bool newerPlot = std::find(firstPlots, lastPlots, plot) == lastPlots;
    return !title.isEmpty() || !notes.isEmpty() || lectureView || !results.isEmpty() || newerPlot;
}

const QString Lesson::resultsPlot = QStringLiteral("results");

// The quantities by the names they go by in CSV, the runner and here.
const QStringList &Lesson::plotModes()
{
    static const QStringList names = [] {
        QStringList keys;
        for (const QuantityDefinition &quantity : quantityTable())
            keys << QString::fromLatin1(quantity.key);
        return keys << resultsPlot;
    }();
    return names;
}

// Written by hand rather than through QJsonDocument, which would sort the keys and spread each
// electron over five lines: the settings in the form's order, then what the window shows, one
// electron to a line.
QByteArray Lesson::toJson() const
{
    QList<QPair<const char *, QByteArray>> fields{
        {LessonFormat::format, quoted(LessonFormat::name)},
        {LessonFormat::version,
         quoted(needsNewerFormat() ? LessonFormat::currentVersion : LessonFormat::firstVersion)},
    };
    for (const SettingDefinition &setting : settingTable()) {
        if (!setting.lessonKey)
            continue;
        const double value = settings.value(setting.key);
        fields.append({setting.lessonKey, setting.choices ? flag(value == 1)
                                          : setting.whole ? QByteArray::number(int(value))
                                                          : number(value)});
    }
    fields.append({{"randomDirection", flag(randomDirection)},
                   {"showBins", flag(showBins)},
                   {"plot", quoted(plot)},
                   {"showExpected", flag(showExpected)}});
    // Only what is used, so that a lesson without it reads in older programs.
    if (!title.isEmpty())
        fields.append({"title", quoted(title)});
    if (!notes.isEmpty())
        fields.append({"notes", quoted(notes)});
    if (lectureView)
        fields.append({"lectureView", flag(lectureView)});
    if (plot == resultsPlot) {
        fields.append({"resultsAcross", quoted(resultsAcross)});
        fields.append({"resultsUp", quoted(resultsUp)});
    }
    if (!results.isEmpty())
        fields.append({"results", resultsField(results)});
    QByteArray text = "{\n";
    for (const auto &[key, value] : fields)
        text += "    \"" + QByteArray(key) + "\": " + value + ",\n";
    QByteArrayList lines;
    for (const Electron &e : electrons)
        lines << "        [" + number(e.centre.x()) + ", " + number(e.centre.y()) + ", " +
                     number(e.angle) + ']';
    text += lines.isEmpty() ? "    \"electrons\": []\n"
                            : "    \"electrons\": [\n" + lines.join(",\n") + "\n    ]\n";
    return text + "}\n";
}
