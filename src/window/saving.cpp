#include "lesson.h"
#include "plottedcurve.h"
#include "widget.h"
#include "window.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <qcustomplot.h>

namespace {
const QString folderKey = QStringLiteral("saveFolder");
const QString typeKey = QStringLiteral("saveType");

// Where the last save went, kept across runs; else the working folder.
QString folderToSaveIn()
{
    const QString remembered = QSettings().value(folderKey).toString();
    return QFileInfo(remembered).isDir() ? remembered : QDir::currentPath();
}

bool hasSuffix(const QString &fileName, const QString &suffix)
{
    return QFileInfo(fileName).suffix().compare(suffix, Qt::CaseInsensitive) == 0;
}

bool isNumbersFile(const QString &fileName)
{
    return hasSuffix(fileName, QStringLiteral("csv"));
}

bool isLessonFile(const QString &fileName)
{
    return hasSuffix(fileName, QStringLiteral("vandrel"));
}

// The plot as QCustomPlot writes it: a PDF of lines and text that stay sharp at any size, or
// a picture of the pixels the screen shows in the format a suffix names. Read back, so that the
// caller replaces a file only once all of it is there.
QByteArray plotFile(QCustomPlot *plot, const QString &suffix)
{
    const QTemporaryDir folder;
    if (!folder.isValid())
        return QByteArray();
    const QString path = folder.filePath(QStringLiteral("plot.") + suffix);
    const double ratio = plot->devicePixelRatioF();
    const bool written = suffix.compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0
                             ? plot->savePdf(path, 0, 0, QCP::epNoCosmetic)
                             : plot->saveRastered(path, 0, 0, ratio, suffix.toLatin1().constData(),
                                                  -1, qRound(plot->logicalDpiX() * ratio));
    QFile file(path);
    return written && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        {QStringLiteral("plotPdf"), tr("Plot as PDF (*.pdf)")},
        {QStringLiteral("plotPicture"), tr("Plot as PNG picture (*.png)")},
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
        // A name typed without a suffix takes the one of the chosen file type.
        if (QFileInfo(name).suffix().isEmpty())
            name += QRegularExpression(QStringLiteral("\\*(\\.\\w+)")).match(filter).captured(1);
        if (!QFileInfo::exists(name) || agreesToReplace(name))
            break;
    }
    const QString chosenType = types.at(qMax(0, filters.indexOf(filter))).first;
    const Picture picture =
        chosenType == QLatin1String("plotPicture") ? Picture::Plot : Picture::Field;
    if (saveTo(name, picture)) {
        QSettings().setValue(folderKey, QFileInfo(name).absolutePath());
        QSettings().setValue(typeKey, chosenType);
        return;
    }
    const QString shownName = QDir::toNativeSeparators(name);
    QMessageBox::warning(
        this, saveCaption(),
        isNumbersFile(name)  ? tr("Could not save the numbers to %1.").arg(shownName)
        : isLessonFile(name) ? tr("Could not save the lesson to %1.").arg(shownName)
                             : tr("Could not save the picture to %1.").arg(shownName));
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
    const QMessageBox::StandardButton answer =
        QMessageBox::question(this, saveCaption(),
                              tr("%1 already exists.\nDo you want to replace it?")
                                  .arg(QDir::toNativeSeparators(QFileInfo(fileName).fileName())),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

// Written to a temporary file that replaces the old one only when complete, so
// a failed save leaves nothing half-written under the name.
bool Window::saveTo(const QString &fileName, Picture picture)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString suffix = QFileInfo(fileName).suffix();
    bool written = false;
    if (isNumbersFile(fileName)) {
        written = file.write(shownCurve.toCsv()) >= 0;
    } else if (isLessonFile(fileName)) {
        written = file.write(lesson().toJson()) >= 0;
    } else if (picture == Picture::Plot || hasSuffix(fileName, QStringLiteral("pdf"))) {
        const QByteArray drawn = plotFile(plot, suffix);
        written = !drawn.isEmpty() && file.write(drawn) >= 0;
    } else {
        written = widget->snapshot().save(&file, suffix.toLatin1().constData());
    }
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
