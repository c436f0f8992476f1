#ifndef VANDREL_WINDOW_H
#define VANDREL_WINDOW_H

#include "gasmodel.h"
#include "plottedcurve.h"
#include "resultsplot.h"

#include <QImage>
#include <QMainWindow>
#include <QStringList>

class QAbstractSpinBox;
class QButtonGroup;
class QCustomPlot;
class QRadioButton;
class QTimer;
class Introb;
class Language;
class Lesson;
class LectureView;
class Widget;
class ResultsTableModel;
class QDockWidget;
class QPlainTextEdit;
class GasSettings;
enum class SettingKey;
struct RoundedMeasurement;

namespace Ui {
class Window;
}

// The demonstration's main window: owns the model, places the field view and
// the plot in its form, wires the controls and drives the single 50 ms timer
// that advances the field and then redraws the plot.
class Window : public QMainWindow
{
    Q_OBJECT

public:
    explicit Window(QWidget *parent = nullptr);
    ~Window() override;

    void showIntro();
    // The language the menu's corner button switches.
    void setLanguage(Language *language);
    // Only the field and the plot, as large as the window allows; F11 switches too.
    void setLectureView(bool on);
    enum class Picture { Field, Plot };
    // Writes the plotted numbers to a name ending in ".csv", the plot for a slide as a PDF to one
    // ending in ".pdf" (any case) and the lesson to one ending in ".vandrel", else a picture of
    // the field or of the plot for a slide in the format the suffix names. When that fails,
    // returns the message that names what was saved and why it failed, and leaves any file
    // under the name as it was.
    QString saveTo(const QString &fileName, Picture picture = Picture::Field);
    // The demonstration as it stands: the form's settings and the first 500 electrons.
    Lesson lesson() const;
    // Sets the lesson's settings and electrons, restarts the statistics, pauses the run and ends
    // trail mode. A file that is not a good lesson is told in a message box and changes nothing.
    bool openLesson(const QString &fileName);

    const GasModel &gasModel() const { return model; }
    // The recorded experiments.
    const ResultsTableModel &resultsTable() const { return *results; }

public slots:
    void replot();
    void saveShot();
    void togglePlay();
    void clearSettings();
    void updateTogglePlayButton();
    void updateBinsNumber(int);
    void trailMode(bool active);
    void resetStatistics();
    void setExactCollisions(bool on);
    void chooseLesson();
    void chooseExampleLesson();
    // Adds the measurement as it stands to the results table, unless a setting it depends on
    // changed since it began.
    void record();
    void deleteSelectedResults();
    void clearResults();
    // Every electron turned back; a second straight after undoes it.
    void reverse();
    // The electrons box's number of electrons, placed at random in the selected strip.
    void fillSelectedStrip();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showPlayButtonText();
    PlottedCurve currentCurve() const;
    static QString saveCaption();
    static QString lastSaveFolder();
    static QString exampleLessonsFolder();
    void connectLessons();
    void applyLesson(const Lesson &lesson);
    Quantity shownQuantity() const;
    bool showsResults() const;
    void connectResults();
    void fillResultsChoices();
    void showResults();
    bool agreesToDropResults(const QString &question);
    void showLessonNotes(const Lesson &lesson);
    QString arrowOfTimeNotes(const QuantityDefinition &shown, const QLocale &numbers) const;
    bool agreesToReplace(const QString &fileName);
    QAbstractSpinBox *spinBoxBeingEdited() const;
    QList<QPair<SettingKey, QAbstractSpinBox *>> settingBoxes() const;
    void takeSettingRanges();
    void tellSettingRanges();
    GasSettings formSettings() const;
    void showSettings(const GasSettings &settings);
    void connectControls();
    void addShortcuts();
    void pushInitialValues();
    void resetPlot();
    void showReadout(const PlottedCurve &curve);
    QString comparedWithExpected(const QString &measuredText, const QuantityDefinition &shown,
                                 const Measurement &measured, const RoundedMeasurement &rounded,
                                 const QLocale &numbers, QStringList &notes) const;
    QString stepOutrunsTheAtoms(const QLocale &numbers) const;
    QString electronsMeetingOnlyWalls() const;
    void followLocale();
    void keepHintShort();

    Ui::Window *ui;
    GasModel model;
    QTimer *timer;
    Widget *widget;
    QCustomPlot *plot;
    QButtonGroup *quantityButtons; // the plot's mode buttons, each with its quantity as its id
    Introb *intro;
    LectureView *lectureView;
    bool wasPlaying;
    bool playButtonSaysPause = false; // kept through trail mode, retold in each language
    PlottedCurve shownCurve;          // what the plot shows, for saving
    ResultsTableModel *results;
    ResultsPlot resultsPlot;
    // What Record said last, shown with the notes until the measurement starts again.
    QString recordNotice;
    // The notes a lesson brought, in a panel the teacher closes; kept for the lesson saved next.
    QDockWidget *notesDock;
    QPlainTextEdit *notesText;
    QString lessonTitle;
    QString lessonNotes;
};

#endif
