#include "lesson.h"
#include "plainmessage.h"
#include "plotslide.h"
#include "plottedcurve.h"
#include "regularfile.h"
#include "resultstablemodel.h"
#include "showntext.h"
#include "ui_window.h"
#include "widget.h"
#include "window.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSettings>

namespace {
const QString folderKey = QStringLiteral("saveFolder");
const QString typeKey = QStringLiteral("saveType");
const QString lessonSuffix = QStringLiteral("vandrel");
const QString numbersSuffix = QStringLiteral("csv");
const QString pdfSuffix = QStringLiteral("pdf");

// Where the last save went, kept across runs; else the working folder.
QString folderToSaveIn()
{
    const QString remembered = QSettings().value(folderKey).toString();
    return QFileInfo(remembered).isDir() ? remembered : QDir::currentPath();
}

QString suffixOf(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower();
}

bool isPictureSuffix(const QString &suffix)
{
    return QImageWriter::supportedImageFormats().contains(suffix.toLatin1());
}

// A typed suffix of one of the kinds the program writes decides what is written; any other is
// part of the name.
bool isOwnSuffix(const QString &suffix)
{
    return suffix == lessonSuffix || suffix == numbersSuffix || suffix == pdfSuffix ||
           isPictureSuffix(suffix);
}

// The picture in the format its suffix names, or nothing and why not.
QByteArray encoded(const QImage &picture, const QString &suffix, QString *problem)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QImageWriter writer(&bytes, suffix.toLatin1());
    if (!writer.write(picture)) {
        *problem = writer.errorString();
        return {};
    }
    return bytes.data();
}
} // namespace

// Asks for a name until the user picks a new file, agrees to replace one, or
// cancels; then writes the picture of the field, the plotted numbers or the plot.
void Window::saveShot()
{
    // The types by the keys that remember them in any language.
    const QList<std::pair<QString, QString>> types{
        {QStringLiteral("field"), tr("PNG Images (*.png)")},
        {QStringLiteral("numbers"), tr("CSV Data (*.csv)")},
        {QStringLiteral("plotPdf"), tr("Plot for a slide (*.pdf)")},
        {QStringLiteral("plotPicture"), tr("Plot for a slide, picture (*.png)")},
        {QStringLiteral("lesson"), tr("Lesson (*.vandrel)")}};
    const QString rememberedType = QSettings().value(typeKey).toString();
    QStringList filters;
    QString filter = types.first().second;
    for (const auto &[key, text] : types) {
        filters << text;
        if (key == rememberedType)
            filter = text;
    }
    QString name = folderToSaveIn();
    for (;;) {
        name = QFileDialog::getSaveFileName(this, saveCaption(), name,
                                            filters.join(QStringLiteral(";;")), &filter,
                                            QFileDialog::DontConfirmOverwrite);
        if (name.isEmpty())
            return;
        // A name that does not end in a suffix of the program's own gets the chosen type's, as
        // one without a suffix does: "numbers.txt" saved as CSV is "numbers.txt.csv".
        if (!isOwnSuffix(suffixOf(name)))
            name += QRegularExpression(QStringLiteral("\\*(\\.\\w+)")).match(filter).captured(1);
        // Only a file is replaced; anything else is refused by the save, without asking.
        if (!QFileInfo(name).isFile() || agreesToReplace(name))
            break;
    }
    const QString chosenType = types.at(qMax(0, filters.indexOf(filter))).first;
    const Picture picture =
        chosenType.startsWith(QLatin1String("plot")) ? Picture::Plot : Picture::Field;
    const QString problem = saveTo(name, picture);
    if (problem.isEmpty()) {
        QSettings().setValue(folderKey, QFileInfo(name).absolutePath());
        QSettings().setValue(typeKey, chosenType);
        return;
    }
    warnPlainly(this, saveCaption(), problem);
}

QString Window::lastSaveFolder()
{
    return folderToSaveIn();
}

QString Window::saveCaption()
{
    return tr("Save Shot");
}

bool Window::agreesToReplace(const QString &fileName)
{
    return askPlainly(this, saveCaption(),
                      tr("%1 already exists.\nDo you want to replace it?")
                          .arg(escapedText(QFileInfo(fileName).fileName())));
}

// What the name and the picture ask for, made whole in memory first; then one checked write.
QString Window::saveTo(const QString &fileName, Picture picture)
{
    const QString suffix = suffixOf(fileName);
    QString failed;
    QByteArray bytes;
    QString problem;
    // The results table is saved with the Results plot's numbers and with the lesson.
    const bool resultsSaved = suffix == lessonSuffix || (suffix == numbersSuffix && showsResults());
    if (suffix == numbersSuffix) {
        failed = tr("Could not save the numbers to %1: %2.");
        bytes = showsResults() ? results->toCsv() : shownCurve.toCsv();
    } else if (suffix == lessonSuffix) {
        failed = tr("Could not save the lesson to %1: %2.");
        bytes = lesson().toJson();
    } else if (picture == Picture::Plot || suffix == pdfSuffix) {
        failed = tr("Could not save the plot to %1: %2.");
        PlotSlide slide(plot, ui->readoutLabel->text(), {tr("measured"), tr("expected")});
        bytes = suffix == pdfSuffix ? slide.pdf() : encoded(slide.picture(), suffix, &problem);
        // An empty page would replace the old file and pass for a save.
        if (bytes.isEmpty() && problem.isEmpty())
            problem = tr("the PDF could not be drawn");
    } else {
        failed = tr("Could not save the field picture to %1: %2.");
        bytes = encoded(widget->snapshot(), suffix, &problem);
    }
    if (problem.isEmpty())
        problem = RegularFile::save(fileName, bytes);
    if (problem.isEmpty() && resultsSaved)
        results->markSaved();
    return problem.isEmpty() ? QString()
                             : failed.arg(escapedText(QDir::toNativeSeparators(fileName)), problem);
}
