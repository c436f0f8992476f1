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
// Far beyond any lesson (500 electrons take about 35 KB, 1000 results about 700 KB), and read no
// further.
constexpr qint64 largestFile = 4 << 20;

// A number as the language writes it, with a decimal comma in Russian as the read-outs have it.
QString number(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

// A value as the error line shows it.
QString shown(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Double:
        return number(value.toDouble());
    case QJsonValue::String:
        return QLatin1Char('"') + shownText(value.toString()) + QLatin1Char('"');
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array:
        return Lesson::tr("a list of %1").arg(number(value.toArray().size()));
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

    // A setting within its range; the selected strip at most the strips read before it.
    void setting(const SettingDefinition &setting, GasSettings &settings)
    {
        const char *key = setting.lessonKey;
        if (setting.choices) {
            bool second = settings.value(setting.key) == 1;
            flag(key, second);
            settings.setValue(setting.key, second ? 1 : 0);
            return;
        }
        const double max =
            setting.key == SettingKey::SelectedStrip ? settings.strips() : setting.maximum;
        const QJsonValue v = take(key);
        const double d = v.toDouble(std::nan(""));
        const bool inRange = d >= setting.minimum && d <= max;
        if (isMissing(v, key))
            return;
        if (setting.whole) {
            if (refuse(key, v, inRange && d == std::floor(d),
                       Lesson::tr("an integer from %1 to %2")
                           .arg(number(setting.minimum), number(max))))
                return;
            settings.setValue(setting.key, d);
            return;
        }
        if (refuse(key, v, inRange,
                   Lesson::tr("a number from %1 to %2").arg(number(setting.minimum), number(max))))
            return;
        settings.setValue(setting.key, asTheFormShows(d));
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
                   Lesson::tr("a list of at most %1 electrons").arg(number(Lesson::maxElectrons))))
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
            const QString inField =
                Lesson::tr("a number from %1 to %2").arg(number(0), number(Lesson::fieldSize));
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
    // Fields that came with version 1.1: a lesson may leave them out.
    void optionalText(const char *key, int longest, bool oneLine, QString &field)
    {
        const QJsonValue v = take(key);
        if (!error.isEmpty() || v.isUndefined())
            return;
        const QString text = v.toString();
        const bool breaksLines = text.contains(QRegularExpression(QStringLiteral("[\\x00-\\x1f]")));
        if (refuse(key, v, v.isString() && text.size() <= longest && !(oneLine && breaksLines),
                   oneLine ? Lesson::tr("a line of at most %1 characters").arg(number(longest))
                           : Lesson::tr("a text of at most %1 characters").arg(number(longest))))
            return;
        field = text;
    }
    void optionalName(const char *key, const QStringList &names, QString &field)
    {
        if (!error.isEmpty() || object.value(QLatin1String(key)).isUndefined())
            return;
        name(key, names, field);
    }
    void optionalFlag(const char *key, bool &field)
    {
        if (!error.isEmpty() || object.value(QLatin1String(key)).isUndefined())
            return;
        flag(key, field);
    }
    // The columns, then a row a line, each a list of cells under the columns.
    void results(QVector<ResultsRow> &field)
    {
        const char *key = "results";
        const QJsonValue v = take(key);
        if (!error.isEmpty() || v.isUndefined())
            return;
        const QJsonArray columnList = v.toObject().value(QLatin1String("columns")).toArray();
        const QJsonArray rows = v.toObject().value(QLatin1String("rows")).toArray();
        QStringList columns;
        for (const QJsonValue &column : columnList)
            columns << column.toString();
        const bool named = !columns.isEmpty() && !columns.contains(QString());
        if (refuse(key, v, v.isObject() && named && rows.size() <= Lesson::maxResults,
                   Lesson::tr("columns and at most %1 rows").arg(number(Lesson::maxResults))))
            return;
        QVector<ResultsRow> read;
        for (int i = 0; i < rows.size(); ++i) {
            const QString at = QStringLiteral("results.rows[%1]").arg(i);
            const QJsonArray cells = rows[i].toArray();
            if (refuse(at, rows[i], rows[i].isArray() && cells.size() == columns.size(),
                       Lesson::tr("a list of %1 cells").arg(number(columns.size()))))
                return;
            QStringList texts;
            for (const QJsonValue &cell : cells)
                texts << (cell.isDouble() ? QString::number(cell.toDouble(), 'g', 17)
                                          : cell.toString());
            QString column;
            const std::optional<ResultsRow> row = resultsRowFrom(columns, texts, &column);
            if (refuse(at + QLatin1Char('.') + column, cells.at(columns.indexOf(column)), bool(row),
                       Lesson::tr("a value of that column")))
                return;
            read.append(*row);
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
                     .arg(parsing.errorString(), number(parsing.offset + 1));
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
    for (const SettingDefinition &setting : settingTable()) {
        if (setting.lessonKey)
            fields.setting(setting, lesson.settings);
    }
    fields.flag("randomDirection", lesson.randomDirection);
    fields.flag("showBins", lesson.showBins);
    fields.name("plot", plotModes(), lesson.plot);
    fields.flag("showExpected", lesson.showExpected);
    fields.electrons(lesson.electrons);
    fields.optionalText("title", Lesson::longestTitle, true, lesson.title);
    fields.optionalText("notes", Lesson::longestNotes, false, lesson.notes);
    fields.optionalFlag("lectureView", lesson.lectureView);
    QStringList axes;
    for (const ResultsAxisDefinition &axis : resultsAxes())
        axes << QString::fromLatin1(axis.key);
    fields.optionalName("resultsAcross", axes, lesson.resultsAcross);
    fields.optionalName("resultsUp", plotModes().mid(0, quantityTable().size()), lesson.resultsUp);
    fields.results(lesson.results);
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
        *error = tr("not a lesson: larger than %1 bytes").arg(number(largestFile));
        return std::nullopt;
    }
    return fromJson(text, error);
}
