#include "descdialog.h"

#include "ui_descdialog.h"

DescDialog::DescDialog(QWidget *parent) : QDialog(parent), ui(new Ui::DescDialog)
{
    ui->setupUi(this);
}

DescDialog::~DescDialog() = default;
