#include "lesson.h"
#include "plainmessage.h"
#include "showntext.h"
#include "ui_window.h"
#include "widget.h"
#include "window.h"

#include <QButtonGroup>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QShortcut>

#include <algorithm>

namespace {
// The first lesson file among those dragged, if any.
QString lessonAmong(const QMimeData *dragged)
{
    for (const QUrl &url : dragged->urls()) {
        const QString file = url.toLocalFile();
        if (QFileInfo(file).suffix().compare(QStringLiteral("vandrel"), Qt::CaseInsensitive) == 0)
            return file;
    }
    return {};
}
} // namespace

void Window::connectLessons()
{
    connect(ui->openButton, &QPushButton::clicked, this, &Window::chooseLesson);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, ui->openButton,
            &QAbstractButton::click);
    setAcceptDrops(true);
}

Lesson Window::lesson() const
{
    Lesson lesson;
    lesson.settings = formSettings();
    lesson.randomDirection = ui->randomDefDirBox->isChecked();
    lesson.showBins = ui->showBinsBox->isChecked();
    lesson.plot = QString::fromLatin1(definitionOf(shownQuantity()).key);
    lesson.showExpected = ui->expectedCheckBox->isChecked();
    // Clicks can put more electrons on the field than the box counts; a lesson holds what it shows.
    const int kept = std::min(model.number(), Lesson::maxElectrons);
    for (int i = 0; i < kept; ++i)
        lesson.electrons.append({model.electronPositions()[i], model.electronDirections()[i]});
    return lesson;
}

// Through the form's controls, so that the field, the model and the plot follow them as they
// follow the user; the electrons go straight to the model, where the box finds them, and those
// the settings leave in an atom or across a wall move to the nearest free spot.
void Window::applyLesson(const Lesson &lesson)
{
    clearSettings();
    showSettings(lesson.settings);
    ui->randomDefDirBox->setChecked(lesson.randomDirection);
    ui->showBinsBox->setChecked(lesson.showBins);
    for (const QuantityDefinition &quantity : quantityTable()) {
        QAbstractButton *button = quantityButtons->button(int(quantity.quantity));
        if (button && lesson.plot == QLatin1String(quantity.key))
            button->setChecked(true);
    }
    ui->expectedCheckBox->setChecked(lesson.showExpected);
    for (const Lesson::Electron &electron : lesson.electrons)
        model.addElectronAt(electron.centre, electron.angle);
    model.moveTrappedElectronsToFreeSpots();
    ui->numberBox->setValue(model.number());
    resetStatistics();
    widget->repaint();
}

bool Window::openLesson(const QString &fileName)
{
    QString problem;
    const std::optional<Lesson> lesson = Lesson::read(fileName, &problem);
    if (!lesson) {
        warnPlainly(this, tr("Open Lesson"),
                    tr("Could not open the lesson %1:\n%2.")
                        .arg(escapedText(QDir::toNativeSeparators(fileName)), problem));
        return false;
    }
    applyLesson(*lesson);
    return true;
}

void Window::chooseLesson()
{
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Open Lesson"), lastSaveFolder(),
                                                          tr("Lesson (*.vandrel)"));
    if (!fileName.isEmpty())
        openLesson(fileName);
}

void Window::dragEnterEvent(QDragEnterEvent *event)
{
    if (!lessonAmong(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// Opened once the drop is over, so that a message about a bad file does not hold the
// dragging program.
void Window::dropEvent(QDropEvent *event)
{
    const QString fileName = lessonAmong(event->mimeData());
    if (fileName.isEmpty())
        return;
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, fileName] { openLesson(fileName); }, Qt::QueuedConnection);
}
