#ifndef VANDREL_LESSON_H
#define VANDREL_LESSON_H

#include "results.h"
#include "settings.h"

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

    // The form's defaults. The count of electrons is that of the list below.
    GasSettings settings;
    bool randomDirection = true;
    bool showBins = false;
    QString plot = plotModes().first();
    bool showExpected = false;
    QVector<Electron> electrons;
    // Since version 1.1: a title and notes for the class, shown when the lesson opens; whether it
    // opens in the lecture view; the results recorded so far.
    QString title;
    QString notes;
    bool lectureView = false;
    QVector<ResultsRow> results;
    // With the plot "results": what it shows across (a key of resultsAxes()) and up (a quantity).
    QString resultsAcross = QString::fromLatin1(resultsAxes().first().key);
    QString resultsUp = QStringLiteral("pressure");

    // The plot modes by their names in the file, in the order of the form's buttons: the
    // quantities, then the results.
    static const QStringList &plotModes();
    static const QString resultsPlot;
    static constexpr int maxElectrons = 500;
    static constexpr int maxResults = 1000;
    static constexpr int longestTitle = 200;
    static constexpr int longestNotes = 20000;
    static constexpr double fieldSize = GasModel::fieldSize;

    // Whether it needs version 1.1 of the format; else it is written as 1.0, for older programs.
    bool needsNewerFormat() const;

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
