#include "lectureview.h"

#include "legendrow.h"

#include "ui_window.h"
#include "widget.h"

#include <QEvent>
#include <QMainWindow>
#include <QShortcut>
#include <qcustomplot.h>

#include <algorithm>

namespace {
constexpr double largerType = 1.5;
constexpr double measuredLineWidth = 3;
// The plot keeps at least this share of the width: on a 4:3 projector a
// narrower one would show too little of its curve.
constexpr double plotShare = 0.375;
// Sides in steps of 25 pixels scale the 400-pixel model by whole sixteenths,
// which a double holds exactly: the field's edges then end on whole pixels.
constexpr int sideStep = 25;

QFont larger(const QFont &font)
{
    QFont enlarged = font;
    enlarged.setPointSizeF(font.pointSizeF() * largerType);
    return enlarged;
}

// The row and column of a widget or a spacer in a grid layout.
template <typename Item> QPoint cellOf(QGridLayout *grid, Item *item)
{
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(grid->indexOf(item), &row, &column, &rowSpan, &columnSpan);
    return QPoint(column, row);
}
} // namespace

LectureView::LectureView(QMainWindow *window, Ui::Window *ui, Widget *field, QCustomPlot *plot)
    : QObject(window), window(window), ui(ui), field(field), plot(plot)
{
    connect(ui->lectureViewButton, &QPushButton::toggled, this, &LectureView::setOn);
    connect(new QShortcut(Qt::Key_F11, window), &QShortcut::activated, ui->lectureViewButton,
            &QAbstractButton::click);
    connect(plot, &QCustomPlot::beforeReplot, this, &LectureView::styleCurves);
}

// The plot builds its curves afresh at every redraw: each time, the measured one is drawn bold,
// as a hairline vanishes beside the dashed expected line from the back of a room, and the
// legend's entries keep to their own width, side by side from the left.
void LectureView::styleCurves()
{
    if (!on)
        return;
    if (plot->graphCount() > 0) {
        QPen pen = plot->graph(0)->pen();
        pen.setWidthF(measuredLineWidth);
        plot->graph(0)->setPen(pen);
    }
    // Two to a row where all in one would be wider than the plot.
    QCPLegend *legend = plot->legend;
    legend->setWrap(0);
    legend->setFillOrder(QCPLegend::foColumnsFirst, true);
    if (legend->minimumOuterSizeHint().width() > plot->viewport().width()) {
        legend->setWrap(2);
        legend->setFillOrder(QCPLegend::foColumnsFirst, true);
    }
    legend->setMaximumSize(legend->minimumOuterSizeHint());
}

void LectureView::setOn(bool on)
{
    if (on == this->on)
        return;
    this->on = on;
    ui->lectureViewButton->setChecked(on);
    if (on)
        enter();
    else
        leave();
    // Laid out at once, not at the next turn of the event loop: what is
    // measured or clicked next sees the new places.
    ui->gridLayout_4->invalidate();
    ui->gridLayout_4->activate();
    plot->replot();
}

// The settings give their room to the plot, which moves with its mode buttons
// and read-out into the column beside the field.
void LectureView::enter()
{
    focusBefore = window->focusWidget();
    hiddenBefore.clear();
    for (QWidget *widget : hiddenControls()) {
        hiddenBefore << widget->isHidden();
        widget->hide();
    }
    // A box hidden with the focus would hand it to the next control, where Space or Escape
    // would not do what the room expects: the field takes it, as a click on it does.
    if (!window->focusWidget() || !window->focusWidget()->isVisible())
        field->setFocus();

    // The mode buttons and the read-out take the place of the strips' settings, the plot that
    // of the spacer below them.
    arrangeModeButtons();
    QGridLayout *grid = ui->gridLayout_4;
    const QPoint radioCell = cellOf(grid, ui->probabilitySettingsBox);
    const QPoint plotCell = cellOf(grid, ui->verticalSpacer);
    radioIndex = ui->leftLayout->indexOf(ui->radioLayout);
    radioStretch = ui->leftLayout->stretch(radioIndex);
    plotIndex = ui->leftLayout->indexOf(ui->plotLayout);
    plotStretch = ui->leftLayout->stretch(plotIndex);
    ui->leftLayout->removeItem(ui->radioLayout);
    ui->leftLayout->removeItem(ui->plotLayout);
    grid->addLayout(ui->radioLayout, radioCell.y(), radioCell.x());
    grid->addLayout(ui->plotLayout, plotCell.y(), plotCell.x());
    plotRowStretch = grid->rowStretch(plotCell.y());
    grid->setRowStretch(plotCell.y(), 1);
    spacerSize = ui->verticalSpacer->sizeHint();
    spacerPolicy = ui->verticalSpacer->sizePolicy();
    ui->verticalSpacer->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);

    axisFonts.clear();
    for (QCPAxis *axis : {plot->xAxis, plot->yAxis}) {
        axisFonts << axis->labelFont() << axis->tickLabelFont();
        axis->setLabelFont(larger(axis->labelFont()));
        axis->setTickLabelFont(larger(axis->tickLabelFont()));
    }
    // Only the size is the read-out's own; the rest follows the window.
    QLabel *readout = ui->readoutLabel;
    readoutFont = readout->font();
    readoutOwnFont = readout->testAttribute(Qt::WA_SetFont);
    QFont readoutSize;
    readoutSize.setPointSizeF(readoutFont.pointSizeF() * largerType);
    readout->setFont(readoutSize);
    readoutMinimumHeight = readout->minimumHeight();
    readout->setMinimumHeight(readout->fontMetrics().height());
    readoutWrapped = readout->wordWrap();
    readout->setWordWrap(true); // a long read-out must not widen its column
    noteLineLimit = ui->readoutNoteLabel->lineLimit();
    ui->readoutNoteLabel->setLineLimit(0); // the plot has the height to spare
    showLegend();

    usualSide = field->width();
    // When the controls beside the field come to need more room (Play becomes
    // Pause, another language), the field gives it up rather than the window
    // growing beyond the screen; nor does the height the usual layout needs
    // keep the window from fitting a small screen.
    windowConstraint = window->layout()->sizeConstraint();
    window->layout()->setSizeConstraint(QLayout::SetNoConstraint);
    windowMinimumHeight = window->minimumHeight();
    window->setMinimumHeight(0);
    window->installEventFilter(this);
    ui->centralwidget->installEventFilter(this);
    fitField();
}

void LectureView::leave()
{
    ui->centralwidget->removeEventFilter(this);
    window->removeEventFilter(this);
    window->setMinimumHeight(windowMinimumHeight);
    window->layout()->setSizeConstraint(QLayout::SizeConstraint(windowConstraint));
    field->setViewSide(usualSide);

    hideLegend();
    ui->readoutNoteLabel->setLineLimit(noteLineLimit);
    QLabel *readout = ui->readoutLabel;
    readout->setWordWrap(readoutWrapped);
    readout->setMinimumHeight(readoutMinimumHeight);
    readout->setFont(readoutOwnFont ? readoutFont : QFont());
    int font = 0;
    for (QCPAxis *axis : {plot->xAxis, plot->yAxis}) {
        axis->setLabelFont(axisFonts.at(font++));
        axis->setTickLabelFont(axisFonts.at(font++));
    }

    QGridLayout *grid = ui->gridLayout_4;
    ui->verticalSpacer->changeSize(spacerSize.width(), spacerSize.height(),
                                   spacerPolicy.horizontalPolicy(), spacerPolicy.verticalPolicy());
    grid->setRowStretch(cellOf(grid, ui->verticalSpacer).y(), plotRowStretch);
    grid->removeItem(ui->radioLayout);
    grid->removeItem(ui->plotLayout);
    // The mode buttons come before the plot: each goes back to its own place.
    ui->leftLayout->insertLayout(radioIndex, ui->radioLayout, radioStretch);
    ui->leftLayout->insertLayout(plotIndex, ui->plotLayout, plotStretch);
    restoreModeButtons();

    const QList<QWidget *> hidden = hiddenControls();
    for (int i = 0; i < hidden.size(); ++i)
        hidden[i]->setHidden(hiddenBefore.at(i));
    // Back where the typing was, so that Space goes on typing rather than starting the run.
    if (focusBefore)
        focusBefore->setFocus();
}

// What the room need not see: the way back to the menu, saving and opening, and the settings but
// the number of electrons, which a teacher changes while lecturing.
QList<QWidget *> LectureView::hiddenControls() const
{
    QList<QWidget *> hidden{ui->backButton,
                            ui->saveButton,
                            ui->openButton,
                            ui->exampleLessonsButton,
                            ui->pointsDescriptionLabel,
                            ui->probabilitySettingsBox};
    for (int i = 0; i < ui->gridLayout_2->count(); ++i) {
        if (QWidget *setting = ui->gridLayout_2->itemAt(i)->widget())
            hidden << setting;
    }
    return hidden;
}

// The mode buttons of the usual view's row, two to a row beside the field: the column there is
// narrower, and the field takes the width they leave.
void LectureView::arrangeModeButtons()
{
    constexpr int columns = 2;
    QGridLayout *modes = ui->plotModeLayout;
    modeButtons.clear();
    modeButtonCells.clear();
    for (int i = 0; i < modes->count(); ++i) {
        if (QWidget *button = modes->itemAt(i)->widget())
            modeButtons << button;
    }
    for (QWidget *button : std::as_const(modeButtons)) {
        int row = 0;
        int column = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        modes->getItemPosition(modes->indexOf(button), &row, &column, &rowSpan, &columnSpan);
        modeButtonCells << QRect(column, row, columnSpan, rowSpan);
        modes->removeWidget(button);
    }
    for (int i = 0; i < modeButtons.size(); ++i)
        modes->addWidget(modeButtons[i], i / columns, i % columns);
    ui->radioLayout->invalidate(); // its width, which the field's size reads, is new at once
}

void LectureView::restoreModeButtons()
{
    QGridLayout *modes = ui->plotModeLayout;
    for (QWidget *button : std::as_const(modeButtons))
        modes->removeWidget(button);
    for (int i = 0; i < modeButtons.size(); ++i) {
        const QRect cell = modeButtonCells.at(i);
        modes->addWidget(modeButtons[i], cell.y(), cell.x(), cell.height(), cell.width());
    }
}

// Named in the program's language above the plot, where it covers no part of a curve.
void LectureView::showLegend()
{
    QCPLegend *legend = plot->legend;
    legendFont = legend->font();
    legendBorder = legend->borderPen();
    legend->setFont(larger(legendFont));
    legend->setBorderPen(Qt::NoPen);
    legend->setFillOrder(QCPLegend::foColumnsFirst);
    legendSizeRule = legend->sizeConstraintRect();
    legend->setSizeConstraintRect(QCPLayoutElement::scrOuterRect);
    legendRow = putLegendAbove(plot);
    legend->setVisible(true);
}

// Back into the plot's corner, hidden, as the usual view has it.
void LectureView::hideLegend()
{
    QCPLegend *legend = plot->legend;
    legend->setVisible(false);
    plot->axisRect()->insetLayout()->addElement(legend, Qt::AlignRight | Qt::AlignTop);
    plot->plotLayout()->remove(legendRow); // with the empty element
    plot->plotLayout()->simplify();
    legend->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    legend->setSizeConstraintRect(QCPLayoutElement::SizeConstraintRect(legendSizeRule));
    legend->setFillOrder(QCPLegend::foRowsFirst);
    legend->setBorderPen(legendBorder);
    legend->setFont(legendFont);
}

// The window's central area changes with the screen it is on, the room the
// controls need with their texts.
bool LectureView::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == ui->centralwidget && event->type() == QEvent::Resize) ||
        (watched == window && event->type() == QEvent::LayoutRequest))
        fitField();
    return QObject::eventFilter(watched, event);
}

// As tall as the central area, unless that leaves the plot too little width;
// never smaller than the usual field.
void LectureView::fitField()
{
    QGridLayout *grid = ui->gridLayout_4;
    const QSize room = ui->centralwidget->size().shrunkBy(grid->contentsMargins());
    const int plotColumn = std::max(int(room.width() * plotShare), plotColumnMinimumWidth());
    const int fits = std::min(room.height(), room.width() - grid->horizontalSpacing() - plotColumn);
    const int side = std::max(usualSide, fits - fits % sideStep);
    if (side != field->width())
        field->setViewSide(side);
}

// What the controls beside the field need at the least.
int LectureView::plotColumnMinimumWidth() const
{
    return std::max(
        {ui->menuButtonsLayout->minimumSize().width(), ui->controlBox->minimumSizeHint().width(),
         ui->settingsBox->minimumSizeHint().width(), ui->radioLayout->minimumSize().width(),
         ui->plotLayout->minimumSize().width()});
}
