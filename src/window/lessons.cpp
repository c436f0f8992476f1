#include "lectureview.h"
#include "lesson.h"
#include "plainmessage.h"
#include "resultstablemodel.h"
#include "showntext.h"
#include "ui_window.h"
#include "widget.h"
#include "window.h"

#include <QButtonGroup>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextDocument>
#include <QtMath>

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
    connect(ui->exampleLessonsButton, &QPushButton::clicked, this, &Window::chooseExampleLesson);
    // A lesson's title and notes, for the teacher to read and close; plain text, as a file
    // brings it.
    notesDock = new QDockWidget(this);
    notesDock->setObjectName(QStringLiteral("lessonNotesDock"));
    notesText = new QPlainTextEdit(notesDock);
    notesText->setReadOnly(true);
    notesDock->setWidget(notesText);
    addDockWidget(Qt::RightDockWidgetArea, notesDock);
    notesDock->setFloating(true);
    notesDock->hide();
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
    if (showsResults())
        lesson.plot = Lesson::resultsPlot;
    lesson.resultsAcross = QString::fromLatin1(
        definitionOf(ResultsAxis(ui->resultsAcrossBox->currentData().toInt())).key);
    lesson.resultsUp =
        QString::fromLatin1(definitionOf(Quantity(ui->resultsUpBox->currentData().toInt())).key);
    lesson.title = lessonTitle;
    lesson.notes = lessonNotes;
    lesson.lectureView = lectureView->isOn();
    lesson.results = results->rows();
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
    if (lesson.plot == Lesson::resultsPlot)
        ui->plotResultsButton->setChecked(true);
    if (const std::optional<ResultsAxis> across = resultsAxisNamed(lesson.resultsAcross))
        ui->resultsAcrossBox->setCurrentIndex(ui->resultsAcrossBox->findData(int(*across)));
    for (const QuantityDefinition &quantity : quantityTable()) {
        if (lesson.resultsUp == QLatin1String(quantity.key))
            ui->resultsUpBox->setCurrentIndex(ui->resultsUpBox->findData(int(quantity.quantity)));
    }
    // A lesson without results leaves the table as it is.
    if (!lesson.results.isEmpty()) {
        results->replaceAll(lesson.results);
        results->markSaved();
    }
    ui->expectedCheckBox->setChecked(lesson.showExpected);
    for (const Lesson::Electron &electron : lesson.electrons)
        model.addElectronAt(electron.centre, electron.angle);
    model.moveTrappedElectronsToFreeSpots();
    ui->numberBox->setValue(model.number());
    resetStatistics();
    widget->repaint();
    setLectureView(lesson.lectureView);
    showLessonNotes(lesson);
}

void Window::showLessonNotes(const Lesson &lesson)
{
    lessonTitle = lesson.title;
    lessonNotes = lesson.notes;
    if (lessonTitle.isEmpty() && lessonNotes.isEmpty()) {
        notesDock->hide();
        return;
    }
    notesDock->setWindowTitle(lessonTitle.isEmpty() ? tr("Notes") : lessonTitle);
    notesText->setPlainText(lessonNotes);
    // At the screen's right edge, over the controls rather than the field and the plot, and no
    // taller than its text: what it covers, the teacher cannot reach.
    const QRect room = screen()->availableGeometry();
    const int width = std::min(480, room.width() / 2);
    // Laid out as the panel lays it out, a scroll bar's width kept in hand.
    QTextDocument laidOut;
    laidOut.setDefaultFont(notesText->font());
    laidOut.setPlainText(lessonNotes);
    const int frames = 2 * notesText->frameWidth() +
                       2 * notesDock->style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth);
    laidOut.setTextWidth(width - frames - style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    const int titleHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int fitting = qCeil(laidOut.size().height()) + frames + titleHeight +
                        notesText->fontMetrics().lineSpacing();
    const QSize size(width, std::min(fitting, std::min(420, room.height() * 2 / 3)));
    notesDock->setGeometry(QRect(room.topRight() - QPoint(size.width() + 8, -40), size));
    notesDock->show();
    notesDock->raise();
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
    if (!lesson->results.isEmpty() &&
        !agreesToDropResults(tr("Opening the lesson replaces the %1 rows of the results table, "
                                "which are not saved. Open it all the same?")))
        return false;
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

// Where the program's example lessons lie in the language shown: beside the installed program,
// or beside the programs of the build tree.
QString Window::exampleLessonsFolder()
{
    const QString language =
        QLocale().language() == QLocale::Russian ? QStringLiteral("ru") : QStringLiteral("en");
    const QDir programs(QCoreApplication::applicationDirPath());
    for (const QString &up : {QStringLiteral(".."), QStringLiteral("../..")}) {
        const QString folder =
            programs.absoluteFilePath(up + QStringLiteral("/share/vandrel/lessons/") + language);
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    }
    return QString();
}

void Window::chooseExampleLesson()
{
    const QString folder = exampleLessonsFolder();
    if (folder.isEmpty()) {
        warnPlainly(this, tr("Open Lesson"), tr("The example lessons are not installed."));
        return;
    }
    const QString fileName =
        QFileDialog::getOpenFileName(this, tr("Open Lesson"), folder, tr("Lesson (*.vandrel)"));
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
