#include "aboutdialog.h"

#include "ui_aboutdialog.h"

#include <QCoreApplication>

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent), ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    showVersion();
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showVersion();
    }
    QDialog::changeEvent(event);
}

// The form's text has %1 where the running program's version goes.
void AboutDialog::showVersion()
{
    ui->label->setText(ui->label->text().arg(QCoreApplication::applicationVersion()));
}
