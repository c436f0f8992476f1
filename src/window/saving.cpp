#include "lesson.h"
#include "plottedcurve.h"
#include "widget.h"
#include "window.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QSaveFile>
#include <QSettings>

namespace {
const QString folderKey = QStringLiteral("saveFolder");

// Where the last save went, kept across runs; else the working folder.
QString folderToSaveIn()
{
    const QString remembered = QSettings().value(folderKey).toString();
    return QFileInfo(remembered).isDir() ? remembered : QDir::currentPath();
}

bool hasSuffix(const QString &fileName, const char *suffix)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

bool isNumbersFile(const QString &fileName)
{
    return hasSuffix(fileName, "csv");
}
} // namespace

// The widget as it paints itself, trail preview included.
QImage renderToImage(QWidget *widget)
{
    QPixmap pixmap(widget->geometry().width(), widget->geometry().height());
    widget->render(&pixmap, QPoint(0, 0), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return pixmap.toImage();
}

// Asks for a name until the user picks a new file, agrees to replace one, or
// cancels; then writes the picture of the field or the plotted numbers.
void Window::saveShot()
{
    const QString pictureFilter = tr("PNG Images (*.png)");
    const QString numbersFilter = tr("CSV Data (*.csv)");
    const QString lessonFilter = tr("Lesson (*.vandrel)");
    QString name = folderToSaveIn();
    QString filter = pictureFilter;
    for (;;) {
        name = QFileDialog::getSaveFileName(
            this, saveCaption(), name,
            QStringList{pictureFilter, numbersFilter, lessonFilter}.join(QStringLiteral(";;")),
            &filter, QFileDialog::DontConfirmOverwrite);
        if (name.isEmpty())
            return;
        // A name typed without a suffix takes the one of the chosen file type.
        if (QFileInfo(name).suffix().isEmpty())
            name += filter == numbersFilter  ? QStringLiteral(".csv")
                    : filter == lessonFilter ? QStringLiteral(".vandrel")
                                             : QStringLiteral(".png");
        if (!QFileInfo::exists(name) || agreesToReplace(name))
            break;
    }
    if (saveTo(name)) {
        QSettings().setValue(folderKey, QFileInfo(name).absolutePath());
        return;
    }
    const QString shownName = QDir::toNativeSeparators(name);
    QMessageBox::warning(
        this, saveCaption(),
        isNumbersFile(name)          ? tr("Could not save the numbers to %1.").arg(shownName)
        : hasSuffix(name, "vandrel") ? tr("Could not save the lesson to %1.").arg(shownName)
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
bool Window::saveTo(const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const bool written = isNumbersFile(fileName) ? file.write(shownCurve.toCsv()) >= 0
                         : hasSuffix(fileName, "vandrel")
                             ? file.write(lesson().toJson()) >= 0
                             : renderToImage(widget).save(
                                   &file, QFileInfo(fileName).suffix().toLatin1().constData());
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
