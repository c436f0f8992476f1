#ifndef VANDREL_WINDOW_H
#define VANDREL_WINDOW_H

#include "gasmodel.h"
#include "plottedcurve.h"

#include <QImage>
#include <QMainWindow>

class QAbstractSpinBox;
class QCustomPlot;
class QTimer;
class Introb;
class Language;
class LectureView;
class Widget;

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
    // Writes the plotted numbers to a name ending in ".csv" and the plot as a
    // PDF to one ending in ".pdf" (any case), else a picture of the field or of
    // the plot in the format the suffix names. Returns false, and leaves any
    // file under the name as it was, when that fails.
    bool saveTo(const QString &fileName, Picture picture = Picture::Field);

    const GasModel &gasModel() const { return model; }

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

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void replotWhenChosen(bool checked);
    void showPlayButtonText();
    PlottedCurve currentCurve() const;
    static QString saveCaption();
    bool agreesToReplace(const QString &fileName);
    QAbstractSpinBox *spinBoxBeingEdited() const;
    void connectControls();
    void addShortcuts();
    void pushInitialValues();
    void resetPlot();
    void showReadout(const PlottedCurve &curve);

    Ui::Window *ui;
    GasModel model;
    QTimer *timer;
    Widget *widget;
    QCustomPlot *plot;
    Introb *intro;
    LectureView *lectureView;
    bool wasPlaying;
    bool playButtonSaysPause = false; // kept through trail mode, retold in each language
    PlottedCurve shownCurve;          // what the plot shows, for saving
};

#endif
