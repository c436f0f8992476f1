#include "lesson.h"

#include "lessonformat.h"
#include "quantities.h"

#include <QLocale>

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

QByteArray quoted(const QString &text)
{
    return '"' + text.toUtf8() + '"';
}
} // namespace

// The quantities by the names they go by in CSV, the runner and here.
const QStringList &Lesson::plotModes()
{
    static const QStringList names = [] {
        QStringList keys;
        for (const QuantityDefinition &quantity : quantityTable())
            keys << QString::fromLatin1(quantity.key);
        return keys;
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
        {LessonFormat::version, quoted(LessonFormat::currentVersion)},
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
