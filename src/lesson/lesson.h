#ifndef VANDREL_LESSON_H
#define VANDREL_LESSON_H

#include <QCoreApplication>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// A demonstration prepared in advance: every setting of the form and the
// electrons on the field, kept in a small JSON file ("*.vandrel"). Read
// lessons are whole and checked: a setting within the form's range, at most
// 500 electrons on the field; anything else is refused with the field named.
class Lesson
{
    Q_DECLARE_TR_FUNCTIONS(Lesson)

public:
    struct Electron
    {
        QPointF centre;
        double angle = 0.0; // radians, 0 pointing right, growing clockwise
    };

    // The form's defaults.
    int side = 50;
    double atomRadius = 10.0;
    double electronRadius = 4.0;
    double speed = 100.0;
    double defaultDirection = 23.0; // a bearing in degrees clockwise from straight up
    bool randomDirection = true;
    bool exactCollisions = false;
    int bins = 3;
    int selectedBin = 1; // counted from 1 at the left
    bool showBins = false;
    QString plot = plotModes().first();
    bool showExpected = false;
    QVector<Electron> electrons;

    // The plot modes by their names in the file, in the order of the form's buttons.
    static const QStringList &plotModes();
    static constexpr int maxElectrons = 500;
    static constexpr double fieldSize = 400.0;

    // The file's text: the settings a line each, then the electrons a line each, every number
    // in the shortest form that reads back to the same double.
    QByteArray toJson() const;
    // The lesson, or nothing and in *error what is wrong, the field first.
    static std::optional<Lesson> fromJson(const QByteArray &text, QString *error);
    // As fromJson, also telling a file that is missing, unreadable, far too large or not a
    // regular file (a folder, a named pipe, a device), which is never waited for.
    static std::optional<Lesson> read(const QString &fileName, QString *error);
};

#endif
