#include "lesson.h"
#include "plainmessage.h"
#include "readout.h"
#include "resultstablemodel.h"
#include "ui_window.h"
#include "widget.h"
#include "window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHeaderView>
#include <QShortcut>
#include <qcustomplot.h>

#include <cmath>

namespace {
// The Results button's place among the plot's mode buttons, whose others are quantities.
constexpr int resultsButtonId = 100;

// A strip's number as a subscript: q₁₂.
QString subscript(int number)
{
    QString digits = QString::number(number);
    for (QChar &digit : digits)
        digit = QChar(0x2080 + digit.digitValue());
    return digits;
}
} // namespace

bool Window::showsResults() const
{
    return quantityButtons->checkedId() == resultsButtonId;
}

void Window::connectResults()
{
    results = new ResultsTableModel(this);
    ui->resultsTableView->setModel(results);
    // Every column's name whole, and as many rows as the plot's room allows.
    ui->resultsTableView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->resultsTableView->verticalHeader()->setDefaultSectionSize(
        ui->resultsTableView->fontMetrics().height() + 4);
    quantityButtons->addButton(ui->plotResultsButton, resultsButtonId);
    fillResultsChoices();
    // The table is a page in place of the plot, and only the Results plot shows its choices.
    const auto showChoices = [this] {
        const bool shown = showsResults();
        // The read-out's one line is enough for the results; their plot keeps the room.
        ui->readoutNoteLabel->setVisible(!shown);
        for (QWidget *choice :
             {static_cast<QWidget *>(ui->resultsAcrossLabel),
              static_cast<QWidget *>(ui->resultsAcrossBox),
              static_cast<QWidget *>(ui->resultsUpLabel), static_cast<QWidget *>(ui->resultsUpBox),
              static_cast<QWidget *>(ui->resultsTableButton)})
            choice->setVisible(shown);
        ui->plotPages->setCurrentWidget(
            shown && ui->resultsTableButton->isChecked() ? ui->resultsTablePage : ui->plotPage);
    };
    connect(quantityButtons, &QButtonGroup::idToggled, this, showChoices);
    connect(ui->resultsTableButton, &QPushButton::toggled, this, showChoices);
    showChoices();
    for (QComboBox *choice : {ui->resultsAcrossBox, ui->resultsUpBox})
        connect(choice, &QComboBox::currentIndexChanged, this, &Window::replot);
    connect(results, &ResultsTableModel::rowsChanged, this, &Window::replot);
    connect(ui->recordButton, &QPushButton::clicked, this, &Window::record);
    connect(ui->deleteResultsButton, &QPushButton::clicked, this, &Window::deleteSelectedResults);
    connect(ui->clearResultsButton, &QPushButton::clicked, this, &Window::clearResults);
    connect(ui->reverseButton, &QPushButton::clicked, this, &Window::reverse);
    connect(ui->fillStripButton, &QPushButton::clicked, this, &Window::fillSelectedStrip);
    connect(new QShortcut(Qt::CTRL | Qt::Key_R, this), &QShortcut::activated, ui->recordButton,
            &QAbstractButton::click);
    connect(new QShortcut(Qt::CTRL | Qt::Key_B, this), &QShortcut::activated, ui->reverseButton,
            &QAbstractButton::click);
    auto *deleteKey = new QShortcut(QKeySequence::Delete, ui->resultsTableView);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &Window::deleteSelectedResults);
}

// Named in the language shown; each item keeps its axis or quantity, and the choice stays.
void Window::fillResultsChoices()
{
    const int across = ui->resultsAcrossBox->currentIndex();
    const int up = ui->resultsUpBox->currentIndex();
    const QSignalBlocker keepAcross(ui->resultsAcrossBox);
    const QSignalBlocker keepUp(ui->resultsUpBox);
    ui->resultsAcrossBox->clear();
    for (const ResultsAxisDefinition &axis : resultsAxes())
        ui->resultsAcrossBox->addItem(QCoreApplication::translate("ResultsPlot", axis.name),
                                      int(axis.axis));
    ui->resultsUpBox->clear();
    for (const QuantityDefinition &quantity : quantityTable())
        ui->resultsUpBox->addItem(quantityButtons->button(int(quantity.quantity))->text(),
                                  int(quantity.quantity));
    ui->resultsAcrossBox->setCurrentIndex(std::max(across, 0));
    ui->resultsUpBox->setCurrentIndex(
        up >= 0 ? up : ui->resultsUpBox->findData(int(Quantity::Pressure)));
}

// The rows against the chosen axis; under the plot how many there are and how many lie far
// from the expected value, and what the open points are.
void Window::showResults()
{
    const auto across = ResultsAxis(ui->resultsAcrossBox->currentData().toInt());
    const auto up = Quantity(ui->resultsUpBox->currentData().toInt());
    const ResultsPlot::Summary summary =
        resultsPlot.draw(plot, results->rows(), across, up, ui->expectedCheckBox->isChecked());
    if (summary.rows == 0) {
        ui->readoutLabel->setText(tr("No results yet: “%1” adds the measurement as it stands.")
                                      .arg(ui->recordButton->text()));
    } else {
        const QString counted =
            tr("Rows: %1; beyond 2 σ of their expected values: %2")
                .arg(locale().toString(summary.rows), locale().toString(summary.beyondTwoErrors));
        ui->readoutLabel->setText(summary.stepwise == 0
                                      ? counted
                                      : tr("%1; open circles: the stepwise rule").arg(counted));
    }
    if (!recordNotice.isEmpty())
        ui->readoutLabel->setText(recordNotice + QLatin1Char(' ') + ui->readoutLabel->text());
}

// A row's settings must be those of all its values: after a change, the totals mix two.
void Window::record()
{
    unsigned dependedOn = 0;
    for (const QuantityDefinition &quantity : quantityTable())
        dependedOn |= quantity.dependsOn;
    if (model.settingsChangedSinceReset() & dependedOn) {
        recordNotice = tr("Not recorded: the settings changed since the measurement began; "
                          "“%1” first.")
                           .arg(ui->resetStatisticsButton->text());
    } else if (model.movedElectrons() == 0) {
        recordNotice = tr("Not recorded: nothing has been measured yet.");
    } else if (results->rowCount() >= Lesson::maxResults) {
        // A lesson holds that many: one with more could not be opened again.
        recordNotice = tr("Not recorded: the results table is full with %1 rows.")
                           .arg(Lesson::maxResults);
    } else {
        results->append(ResultsRow::of(model));
        recordNotice = tr("Recorded as row %1 of the results.").arg(results->rowCount());
    }
    replot();
}

void Window::deleteSelectedResults()
{
    QList<int> rows;
    for (const QModelIndex &index : ui->resultsTableView->selectionModel()->selectedRows())
        rows << index.row();
    results->removeRowsAt(rows);
}

void Window::clearResults()
{
    if (results->rowCount() == 0 ||
        !askPlainly(this, tr("Results"),
                    tr("Delete all %1 rows of the results table?").arg(results->rowCount())))
        return;
    results->replaceAll({});
    results->markSaved();
}

// Rows not yet saved are lost only when the teacher says so.
bool Window::agreesToDropResults(const QString &question)
{
    if (!results->hasUnsavedChanges() || results->rowCount() == 0)
        return true;
    return askPlainly(this, tr("Results"), question.arg(results->rowCount()));
}

void Window::closeEvent(QCloseEvent *event)
{
    if (agreesToDropResults(tr("The results table has %1 rows that are not saved. End the "
                               "program without them?")))
        event->accept();
    else
        event->ignore();
}

void Window::reverse()
{
    model.reverseDirections();
    widget->repaint();
}

// The measurement starts anew with the gas in one strip; the run goes on or stays paused.
void Window::fillSelectedStrip()
{
    model.fillSelectedStrip(ui->numberBox->value());
    ui->numberBox->setValue(model.number());
    widget->repaint();
    resetStatistics();
}

// The entropy's rise from a start in one strip, against the whole way from there; and, once as
// many steps came back as went out after a Reverse, how many electrons are where they began.
QString Window::arrowOfTimeNotes(const QuantityDefinition &shown, const QLocale &numbers) const
{
    QStringList notes;
    if (const std::optional<GasModel::ReturnReport> back = model.returnReport()) {
        notes << tr("Back after the reverse: %1 of %2 electrons within 10⁻⁶ px of where they "
                    "started; median distance %3 px.")
                     .arg(numbers.toString(back->returned), numbers.toString(back->electrons),
                          twoDigits(back->medianDistance, numbers));
    }
    const int strip = model.startingStrip();
    const double share = model.expectedDensity().value(strip, 0.0);
    if (shown.quantity == Quantity::Entropy && strip >= 0 && share > 0 && model.elapsedPath() > 0) {
        const double rise = model.entropyNow() - model.entropyAtStart();
        notes << tr("Rose by %1 of ln(1/q%2) = %3.")
                     .arg(numbers.toString(rise, 'f', 2), subscript(strip + 1),
                          numbers.toString(-std::log(share), 'f', 2));
    }
    return notes.join(QLatin1Char(' '));
}
