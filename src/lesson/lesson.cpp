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
// electron over five lines: the settings in the form's order, one electron to a line.
QByteArray Lesson::toJson() const
{
    const QList<QPair<const char *, QByteArray>> settings{
        {LessonFormat::format, quoted(LessonFormat::name)},
        {LessonFormat::version, quoted(LessonFormat::currentVersion)},
        {"side", QByteArray::number(side)},
        {"atomRadius", number(atomRadius)},
        {"electronRadius", number(electronRadius)},
        {"speed", number(speed)},
        {"defaultDirection", number(defaultDirection)},
        {"randomDirection", flag(randomDirection)},
        {"exactCollisions", flag(exactCollisions)},
        {"bins", QByteArray::number(bins)},
        {"selectedBin", QByteArray::number(selectedBin)},
        {"showBins", flag(showBins)},
        {"plot", quoted(plot)},
        {"showExpected", flag(showExpected)},
    };
    QByteArray text = "{\n";
    for (const auto &[key, value] : settings)
        text += "    \"" + QByteArray(key) + "\": " + value + ",\n";
    QByteArrayList lines;
    for (const Electron &e : electrons)
        lines << "        [" + number(e.centre.x()) + ", " + number(e.centre.y()) + ", " +
                     number(e.angle) + ']';
    text += lines.isEmpty() ? "    \"electrons\": []\n"
                            : "    \"electrons\": [\n" + lines.join(",\n") + "\n    ]\n";
    return text + "}\n";
}
