#include "lesson.h"
#include "lessonformat.h"
#include "regularfile.h"
#include "showntext.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {
// Far beyond any lesson (500 electrons take about 35 KB), and read no further.
constexpr qint64 largestFile = 1 << 20;

// A value as the error line shows it.
QString shown(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QJsonValue::String:
        return QLatin1Char('"') + shownText(value.toString()) + QLatin1Char('"');
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array:
        return Lesson::tr("a list of %1").arg(value.toArray().size());
    case QJsonValue::Object:
        return Lesson::tr("an object");
    default:
        return QStringLiteral("null");
    }
}

// The form's double boxes keep two decimals; a lesson is read as they would show it, so
// that the runner computes with what the window would.
double asTheFormShows(double value)
{
    return QString::number(value, 'f', 2).toDouble();
}

// Takes the fields of one JSON object in turn and keeps the first fault found.
class FieldReader
{
public:
    FieldReader(const QJsonObject &object, bool newerMinor)
        : object(object), newerMinor(newerMinor), taken{QLatin1String(LessonFormat::format),
                                                        QLatin1String(LessonFormat::version)}
    {
    }

    QString error;

    void integer(const char *key, int min, int max, int &field)
    {
        const QJsonValue v = take(key);
        const double d = v.toDouble(std::nan(""));
        if (isMissing(v, key) || refuse(key, v, d >= min && d <= max && d == std::floor(d),
                                        Lesson::tr("an integer from %1 to %2").arg(min).arg(max)))
            return;
        field = int(d);
    }
    void real(const char *key, double min, double max, double &field)
    {
        const QJsonValue v = take(key);
        const double d = v.toDouble(std::nan(""));
        if (isMissing(v, key) || refuse(key, v, d >= min && d <= max,
                                        Lesson::tr("a number from %1 to %2").arg(min).arg(max)))
            return;
        field = asTheFormShows(d);
    }
    void flag(const char *key, bool &field)
    {
        const QJsonValue v = take(key);
        if (isMissing(v, key) || refuse(key, v, v.isBool(), Lesson::tr("true or false")))
            return;
        field = v.toBool();
    }
    void name(const char *key, const QStringList &names, QString &field)
    {
        const QJsonValue v = take(key);
        if (isMissing(v, key) ||
            refuse(key, v, names.contains(v.toString()),
                   Lesson::tr("one of %1").arg(names.join(QStringLiteral(", ")))))
            return;
        field = v.toString();
    }
    void electrons(QVector<Lesson::Electron> &field)
    {
        const char *key = "electrons";
        const QJsonValue v = take(key);
        const QJsonArray list = v.toArray();
        if (isMissing(v, key) ||
            refuse(key, v, v.isArray() && list.size() <= Lesson::maxElectrons,
                   Lesson::tr("a list of at most %1 electrons").arg(Lesson::maxElectrons)))
            return;
        QVector<Lesson::Electron> read;
        for (int i = 0; i < list.size() && error.isEmpty(); ++i) {
            const QString at = QStringLiteral("electrons[%1]").arg(i);
            const QJsonArray numbers = list[i].toArray();
            // Newer minor versions may tell more of an electron after these three.
            const bool threeNumbers =
                list[i].isArray() && (numbers.size() == 3 || (newerMinor && numbers.size() > 3));
            if (refuse(at, list[i], threeNumbers, Lesson::tr("[x, y, angle]")))
                return;
            const double x = numbers[0].toDouble(std::nan(""));
            const double y = numbers[1].toDouble(std::nan(""));
            const double angle = numbers[2].toDouble(std::nan(""));
            const QString inField = Lesson::tr("a number from 0 to %1").arg(Lesson::fieldSize);
            if (refuse(at + QStringLiteral(".x"), numbers[0], x >= 0 && x <= Lesson::fieldSize,
                       inField) ||
                refuse(at + QStringLiteral(".y"), numbers[1], y >= 0 && y <= Lesson::fieldSize,
                       inField) ||
                refuse(at + QStringLiteral(".angle"), numbers[2], std::isfinite(angle),
                       Lesson::tr("a finite number")))
                return;
            read.append({QPointF(x, y), angle});
        }
        field = read;
    }
    // A field this version does not know is most likely mistyped; one from a newer minor
    // version is meant for newer programs.
    void noOthers()
    {
        if (!error.isEmpty() || newerMinor)
            return;
        for (const QString &key : object.keys()) {
            if (!taken.contains(key)) {
                error = Lesson::tr("%1: not a field of a lesson").arg(shownText(key));
                return;
            }
        }
    }

private:
    QJsonValue take(const char *key)
    {
        taken << QString::fromLatin1(key);
        return object.value(QLatin1String(key));
    }
    bool isMissing(const QJsonValue &value, const char *key)
    {
        if (!error.isEmpty())
            return true;
        if (!value.isUndefined())
            return false;
        error = Lesson::tr("%1: missing").arg(QLatin1String(key));
        return true;
    }
    bool refuse(const QString &key, const QJsonValue &value, bool good, const QString &accepted)
    {
        if (!good)
            error = Lesson::tr("%1: %2 is not %3").arg(key, shown(value), accepted);
        return !good;
    }

    const QJsonObject object;
    const bool newerMinor;
    QStringList taken;
};

// The minor version when the text is a lesson this program reads, else nothing and the error.
std::optional<int> readableMinor(const QJsonObject &object, QString *error)
{
    const QJsonValue format = object.value(QLatin1String(LessonFormat::format));
    if (format.toString() != QLatin1String(LessonFormat::name)) {
        *error = format.isUndefined()
                     ? Lesson::tr("not a lesson: it has no \"%1\" field").arg(LessonFormat::format)
                     : Lesson::tr("%1: %2 is not %3")
                           .arg(LessonFormat::format, shown(format),
                                QStringLiteral("\"%1\"").arg(LessonFormat::name));
        return std::nullopt;
    }
    const QJsonValue version = object.value(QLatin1String(LessonFormat::version));
    // Anchored at the very end: "$" would let a final newline through.
    static const QRegularExpression majorMinor(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\d{1,6})\\.(\\d{1,6})")));
    const QRegularExpressionMatch parts = majorMinor.match(version.toString());
    if (!parts.hasMatch()) {
        *error = Lesson::tr("%1: %2 is not %3")
                     .arg(LessonFormat::version, shown(version),
                          Lesson::tr("a version such as \"%1\"").arg(LessonFormat::currentVersion));
        return std::nullopt;
    }
    if (parts.captured(1).toInt() != LessonFormat::major) {
        *error = Lesson::tr("%1: %2 is not a version this program reads; it reads %3.x")
                     .arg(LessonFormat::version, shown(version))
                     .arg(LessonFormat::major);
        return std::nullopt;
    }
    return parts.captured(2).toInt();
}
} // namespace

std::optional<Lesson> Lesson::fromJson(const QByteArray &text, QString *error)
{
    if (text.trimmed().isEmpty()) {
        *error = tr("not a lesson: the file is empty");
        return std::nullopt;
    }
    QJsonParseError parsing;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parsing);
    if (parsing.error != QJsonParseError::NoError) {
        *error = tr("not a lesson: %1 at character %2")
                     .arg(parsing.errorString())
                     .arg(parsing.offset + 1);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = tr("not a lesson: the text is not one JSON object");
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    const std::optional<int> minor = readableMinor(object, error);
    if (!minor)
        return std::nullopt;

    Lesson lesson;
    FieldReader fields(object, *minor > LessonFormat::minor);
    fields.integer("side", 5, 400, lesson.side);
    fields.real("atomRadius", 0.1, 400, lesson.atomRadius);
    fields.real("electronRadius", 0.1, 400, lesson.electronRadius);
    fields.real("speed", 0.1, 1000, lesson.speed);
    fields.real("defaultDirection", 0, 360, lesson.defaultDirection);
    fields.flag("randomDirection", lesson.randomDirection);
    fields.flag("exactCollisions", lesson.exactCollisions);
    fields.integer("bins", 1, 100, lesson.bins);
    fields.integer("selectedBin", 1, lesson.bins, lesson.selectedBin);
    fields.flag("showBins", lesson.showBins);
    fields.name("plot", plotModes(), lesson.plot);
    fields.flag("showExpected", lesson.showExpected);
    fields.electrons(lesson.electrons);
    fields.noOthers();
    if (!fields.error.isEmpty()) {
        *error = fields.error;
        return std::nullopt;
    }
    return lesson;
}

std::optional<Lesson> Lesson::read(const QString &fileName, QString *error)
{
    QFile file;
    const QString unopened = RegularFile::openToRead(fileName, file);
    if (!unopened.isEmpty()) {
        *error = unopened;
        return std::nullopt;
    }
    const QByteArray text = file.read(largestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = tr("cannot be read: %1").arg(file.errorString());
        return std::nullopt;
    }
    if (text.size() > largestFile) {
        *error = tr("not a lesson: larger than %1 bytes").arg(largestFile);
        return std::nullopt;
    }
    return fromJson(text, error);
}
