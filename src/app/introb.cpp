#include "introb.h"

#include "aboutdialog.h"
#include "descdialog.h"
#include "ui_introb.h"

#include <QIcon>
#include <QKeyEvent>

Introb::Introb(QWidget *parent) : QWidget(parent), ui(new Ui::Introb)
{
    ui->setupUi(this);

    QIcon icon;
    icon.addFile(QStringLiteral(":/resources/app.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/resources/app32.png"), QSize(32, 32));
    setWindowIcon(icon);

    about = new AboutDialog(this);
    desc = new DescDialog(this);

    connect(ui->goButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->exitButton, &QPushButton::clicked, this, &Introb::closeAll);
    connect(ui->authorsButton, &QPushButton::clicked, about, &QWidget::show);
    connect(ui->infoButton, &QPushButton::clicked, desc, &QWidget::show);
}

Introb::~Introb() = default;

void Introb::closeAll()
{
    // Hide first, so that the main window, closing on closeMW(), is the last
    // visible window and its close ends the program.
    close();
    emit closeMW();
}

void Introb::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        closeAll();
    // Other keys are swallowed on purpose: the menu has no further shortcuts.
}
