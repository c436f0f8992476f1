#include "window.h"

#include "introb.h"
#include "lectureview.h"
#include "resultstablemodel.h"
#include "ui_window.h"
#include "widget.h"

#include <QButtonGroup>
#include <QIcon>
#include <QKeyEvent>
#include <QShortcut>
#include <QTextDocument>
#include <QTimer>
#include <qcustomplot.h>

namespace {
constexpr int minimumWindowHeight = 600;
constexpr int minimumPlotHeight = 150;
} // namespace

Window::Window(QWidget *parent) : QMainWindow(parent), ui(new Ui::Window)
{
    ui->setupUi(this);
    takeSettingRanges();
    setWindowTitle(tr("Physics"));

    QIcon icon;
    icon.addFile(QStringLiteral(":/resources/app.png"), QSize(16, 16), QIcon::Normal, QIcon::Off);
    icon.addFile(QStringLiteral(":/resources/app32.png"), QSize(32, 32), QIcon::Normal, QIcon::Off);
    setWindowIcon(icon);

    intro = new Introb;
    connect(ui->backButton, &QPushButton::clicked, intro, &Introb::showFullScreen);
    connect(intro, &Introb::closeMW, this, &Window::close);

    plot = new QCustomPlot(this);
    ui->plotPageLayout->addWidget(plot);

    widget = new Widget(&model, this);
    ui->nativeLayout->addWidget(widget, 0, 0);

    timer = new QTimer(this);
    timer->setInterval(GasModel::tickMs); // one step of the model, one redraw of the plot
    // The field advances first, so the plot always shows the tick's step.
    connect(timer, &QTimer::timeout, widget, &Widget::animate);
    connect(timer, &QTimer::timeout, this, &Window::replot);

    wasPlaying = false;
    connectControls();
    connectResults();
    followLocale();
    tellSettingRanges();
    keepHintShort();
    addShortcuts();
    connectLessons();
    lectureView = new LectureView(this, ui, widget, plot);

    plot->xAxis->setRange(0, 1000);
    plot->yAxis->setRange(0, 1);

    pushInitialValues();

    // The read-out keeps its line while empty, so the plot does not jump when it fills; a
    // longer one wraps. Lower than this, a plot crowds its ticks and cuts its label.
    ui->readoutLabel->setWordWrap(true);
    ui->readoutLabel->setMinimumHeight(ui->readoutLabel->fontMetrics().lineSpacing());
    ui->readoutLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    plot->setMinimumHeight(minimumPlotHeight);

    setMinimumHeight(minimumWindowHeight);
    adjustSize();
}

Window::~Window()
{
    // The lecture view watches the window's own events, which its children's destruction still
    // sends, through the form: it goes before the form.
    delete lectureView;
    delete intro;
    delete ui;
}

void Window::connectControls()
{
    connect(ui->togglePlayButton, &QPushButton::clicked, this, &Window::togglePlay);
    connect(ui->clearButton, &QPushButton::clicked, this, &Window::clearSettings);
    connect(ui->saveButton, &QPushButton::clicked, this, &Window::saveShot);
    connect(ui->trailModeCheckBox, &QCheckBox::toggled, this, &Window::trailMode);
    connect(ui->resetStatisticsButton, &QPushButton::clicked, this, &Window::resetStatistics);
    connect(ui->exactCollisionsCheckBox, &QCheckBox::toggled, this, &Window::setExactCollisions);
    // The electrons box and the field's count follow each other both ways.
    connect(widget, &Widget::numberChanged, ui->numberBox, &QSpinBox::setValue);
    connect(ui->numberBox, &QSpinBox::valueChanged, widget, &Widget::setNumber);
    connect(ui->sideBox, &QSpinBox::valueChanged, widget, &Widget::setSide);
    connect(ui->atomRadBox, &QDoubleSpinBox::valueChanged, widget, &Widget::setAtomR);
    connect(ui->electronRadBox, &QDoubleSpinBox::valueChanged, widget, &Widget::setElectronR);
    connect(ui->speedBox, &QDoubleSpinBox::valueChanged, widget, &Widget::setSpeed);
    connect(ui->showBinsBox, &QCheckBox::toggled, widget, &Widget::setShowBins);
    connect(ui->binsBox, &QSpinBox::valueChanged, this, &Window::updateBinsNumber);
    connect(ui->binIndexBox, &QSpinBox::valueChanged, widget, &Widget::setBinIndex);
    connect(ui->defDirBox, &QDoubleSpinBox::valueChanged, widget, &Widget::setDefaultDirection);
    connect(ui->randomDefDirBox, &QCheckBox::toggled, widget, &Widget::setDefaultRandom);
    // The one place that says which button plots which quantity. A paused plot must not
    // contradict the mode its buttons show.
    quantityButtons = new QButtonGroup(this);
    quantityButtons->addButton(ui->plotProbabilityButton, int(Quantity::Probability));
    quantityButtons->addButton(ui->plotPressureButton, int(Quantity::Pressure));
    quantityButtons->addButton(ui->plotDensityButton, int(Quantity::Density));
    quantityButtons->addButton(ui->plotMeanFreePathButton, int(Quantity::MeanFreePath));
    quantityButtons->addButton(ui->plotEntropyButton, int(Quantity::Entropy));
    connect(quantityButtons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            replot();
    });
    connect(ui->expectedCheckBox, &QCheckBox::toggled, this, &Window::replot);
}

// The Results plot shows the quantity chosen for its rows.
Quantity Window::shownQuantity() const
{
    if (showsResults())
        return Quantity(ui->resultsUpBox->currentData().toInt());
    return Quantity(quantityButtons->checkedId());
}

// The field and the model start from exactly what the form shows. The strip
// index is left to the field's own start value until its box changes.
void Window::pushInitialValues()
{
    widget->setNumber(ui->numberBox->value());
    widget->setSide(ui->sideBox->value());
    widget->setAtomR(ui->atomRadBox->value());
    widget->setElectronR(ui->electronRadBox->value());
    widget->setSpeed(ui->speedBox->value());
    widget->setShowBins(ui->showBinsBox->checkState() != Qt::Unchecked);
    widget->setDefaultDirection(ui->defDirBox->value());
    widget->setDefaultRandom(ui->randomDefDirBox->checkState() != Qt::Unchecked);
    updateBinsNumber(ui->binsBox->value());
    trailMode(ui->trailModeCheckBox->checkState() != Qt::Unchecked);
    updateTogglePlayButton();
}

void Window::showIntro()
{
    intro->showFullScreen();
}

void Window::setLanguage(Language *language)
{
    intro->setLanguage(language);
}

void Window::setLectureView(bool on)
{
    lectureView->setOn(on);
}

void Window::togglePlay()
{
    if (timer->isActive())
        timer->stop();
    else
        timer->start();
    updateTogglePlayButton();
}

// The button's text is the only sign of whether the animation runs.
void Window::updateTogglePlayButton()
{
    playButtonSaysPause = timer->isActive();
    showPlayButtonText();
}

void Window::showPlayButtonText()
{
    ui->togglePlayButton->setText(playButtonSaysPause ? tr("Pause") : tr("Play"));
}

// Trail mode freezes the motion; leaving it resumes only what was running.
// The button keeps its text meanwhile.
void Window::trailMode(bool active)
{
    if (active) {
        wasPlaying = timer->isActive();
        timer->stop();
        ui->togglePlayButton->setEnabled(false);
        widget->setTrace(true);
    } else {
        widget->setTrace(false);
        if (wasPlaying)
            timer->start();
        ui->togglePlayButton->setEnabled(true);
    }
}

// Lowering the maximum first lets the index box clamp its value, so the field
// gets the new index before the new strip count.
void Window::updateBinsNumber(int n)
{
    ui->binIndexBox->setMaximum(n);
    widget->setBinsNumber(n);
    // New strips start a profile afresh; a paused plot of the old ones would contradict them.
    if (definitionOf(shownQuantity()).shape == QuantityDefinition::Shape::AcrossStrips)
        replot();
}

void Window::clearSettings()
{
    ui->trailModeCheckBox->setChecked(false);
    ui->numberBox->setValue(0);
    timer->stop();
    updateTogglePlayButton();
    resetStatistics();
}

// A new measurement from the electrons as they are, without the start-up transient of
// hand-placed ones; the motion runs on or stays paused.
void Window::resetStatistics()
{
    recordNotice.clear();
    model.clearStatistics();
    resetPlot();
}

// The two motions measure differently: a plot mixing them would mean nothing.
void Window::setExactCollisions(bool on)
{
    widget->setExactCollisions(on);
    resetStatistics();
}

// Back to the ranges of the start and drawn at once, as the settings would draw it before the
// first sample: an old curve over an emptied field would be a picture of nothing.
void Window::resetPlot()
{
    plot->xAxis->setRange(0, 1000);
    plot->yAxis->setRange(0, 1);
    replot();
}

// Escape ends the demonstration, except while a number is being typed: there
// it only drops the typing, so a teacher undoing a slip keeps the lesson. In
// the lecture view it leaves the lecture view, as it leaves any full-screen view.
void Window::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (QAbstractSpinBox *box = spinBoxBeingEdited()) {
        // Setting the value it holds puts its text back and drops the pending one.
        box->setProperty("value", box->property("value"));
        widget->setFocus();
        return;
    }
    if (lectureView->isOn()) {
        lectureView->setOn(false);
        return;
    }
    close();
}

QAbstractSpinBox *Window::spinBoxBeingEdited() const
{
    for (QWidget *w = focusWidget(); w; w = w->parentWidget()) {
        if (auto *box = qobject_cast<QAbstractSpinBox *>(w))
            return box;
    }
    return nullptr;
}

// Texts and numbers only: the form's values, the timer and the measurement stay as they are.
void Window::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fillResultsChoices();
        setWindowTitle(tr("Physics"));
        showPlayButtonText();
        followLocale();
        tellSettingRanges();
        keepHintShort();
        replot(); // the curves' names in the legend and the read-out's numbers too
    }
    QMainWindow::changeEvent(event);
}

// The hint under the electrons box in three lines, where a narrower column would take four and
// push the settings below a 768-pixel screen's edge: the column takes that width from the plot's.
void Window::keepHintShort()
{
    QLabel *hint = ui->pointsDescriptionLabel;
    QTextDocument text;
    text.setDefaultFont(hint->font());
    text.setHtml(hint->text());
    const int lines = 3;
    const int width = int(text.idealWidth() / lines) + 2 * hint->fontMetrics().averageCharWidth();
    const QMargins around =
        ui->settingsBox->contentsMargins() + ui->verticalLayout->contentsMargins();
    ui->settingsBox->setMinimumWidth(width + around.left() + around.right());
}

// Numbers as the language writes them (a decimal comma in Russian), in the boxes, on the plot's
// axes and in the read-out alike; never with group separators.
void Window::followLocale()
{
    QLocale numbers;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    setLocale(numbers);
    plot->setLocale(numbers);
    results->setNumberLocale(numbers);
}

// Space plays or pauses, Ctrl+S saves, F1 shows the guide. Through the
// buttons, so that Space does nothing while trail mode disables Play; a spin
// box with the focus keeps its Space, as it sees the key before any shortcut.
void Window::addShortcuts()
{
    // A click on the field takes the focus from a box, so that Space plays again; the field
    // has it from the start, not the first box.
    widget->setFocusPolicy(Qt::ClickFocus);
    widget->setFocus();
    auto *playKey = new QShortcut(Qt::Key_Space, this);
    playKey->setAutoRepeat(false); // a held key toggles once
    connect(playKey, &QShortcut::activated, ui->togglePlayButton, &QAbstractButton::click);
    connect(new QShortcut(Qt::CTRL | Qt::Key_S, this), &QShortcut::activated, ui->saveButton,
            &QAbstractButton::click);
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, intro, &Introb::showGuide);
}
