#include "widget.h"
#include "window.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPixmap>

// The widget as it paints itself, trail preview included.
QImage renderToImage(QWidget *widget)
{
    QPixmap pixmap(widget->geometry().width(), widget->geometry().height());
    widget->render(&pixmap, QPoint(0, 0), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return pixmap.toImage();
}

void Window::saveShot()
{
    const QString name =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save Shot"), QDir::currentPath(),
                                     QStringLiteral("PNG Images (*.png)"));
    if (name.isEmpty())
        return;
    if (!saveShotTo(name))
        QMessageBox::warning(
            this, QStringLiteral("Save Shot"),
            tr("Could not save the picture to %1.").arg(QDir::toNativeSeparators(name)));
}

bool Window::saveShotTo(QString fileName)
{
    // The dialog offers PNG, so a name typed without a suffix is a PNG.
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".png");
    return renderToImage(widget).save(fileName);
}
