#ifndef VANDREL_LECTUREVIEW_H
#define VANDREL_LECTUREVIEW_H

#include <QFont>
#include <QList>
#include <QObject>
#include <QPen>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QSizePolicy>

class QCustomPlot;
class QCPLayoutGrid;
class QMainWindow;
class Widget;

namespace Ui {
class Window;
}

// The main window as a room sees it through a projector: only the field, the
// plot with its mode buttons and read-out, the buttons that run, clear and
// reset the demonstration and the number of electrons; the field as large as
// the window's height allows, the plot beside it taking the rest, the read-out,
// the axes and a legend in a larger type, the measured curve bold. The form's
// lecture button and F11 switch it, Escape leaves it; leaving puts every
// control, size and font back as it was, and the keyboard where it was.
class LectureView : public QObject
{
    Q_OBJECT

public:
    LectureView(QMainWindow *window, Ui::Window *ui, Widget *field, QCustomPlot *plot);

    void setOn(bool on);
    bool isOn() const { return on; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enter();
    void leave();
    void arrangeModeButtons();
    void restoreModeButtons();
    void showLegend();
    void hideLegend();
    void styleCurves();
    void fitField();
    int plotColumnMinimumWidth() const;
    QList<QWidget *> hiddenControls() const;

    QMainWindow *window;
    Ui::Window *ui;
    Widget *field;
    QCustomPlot *plot;
    bool on = false;

    // What the usual layout had, to put back.
    int usualSide = 0;
    int windowConstraint = 0; // how the window's layout bounds the window's size
    int windowMinimumHeight = 0;
    QList<QFont> axisFonts; // label and tick labels of each axis
    QFont readoutFont;
    QFont legendFont;
    QPen legendBorder;
    int legendSizeRule = 0;             // which of its rectangles its size limits bound
    QCPLayoutGrid *legendRow = nullptr; // the plot's, while the legend is in it
    QList<QWidget *> modeButtons;
    QList<QRect> modeButtonCells; // column, row, and the spans, in the usual view
    bool readoutOwnFont = false;
    int readoutMinimumHeight = 0;
    bool readoutWrapped = false;
    int noteLineLimit = 0;
    QList<bool> hiddenBefore;
    QPointer<QWidget> focusBefore;
    int radioIndex = 0;
    int radioStretch = 0;
    int plotIndex = 0;
    int plotStretch = 0;
    int plotRowStretch = 0;
    QSize spacerSize;
    QSizePolicy spacerPolicy;
};

#endif
