#include "plainmessage.h"

#include <QMessageBox>

namespace {
QMessageBox::StandardButton shownPlainly(QMessageBox::Icon icon, QWidget *parent,
                                         const QString &title, const QString &text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}
} // namespace

void warnPlainly(QWidget *parent, const QString &title, const QString &text)
{
    shownPlainly(QMessageBox::Warning, parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool askPlainly(QWidget *parent, const QString &title, const QString &question)
{
    return shownPlainly(QMessageBox::Question, parent, title, question,
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}
