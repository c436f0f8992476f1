#include "introb.h"

#include "aboutdialog.h"
#include "descdialog.h"
#include "language.h"
#include "ui_introb.h"

#include <QIcon>
#include <QKeyEvent>

Introb::Introb(QWidget *parent) : QWidget(parent), ui(new Ui::Introb)
{
    ui->setupUi(this);
    ui->languageButton->hide();
    // The keyboard starts on the demonstration, not on the corner button.
    ui->goButton->setFocus();

    QIcon icon;
    icon.addFile(QStringLiteral(":/resources/app.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/resources/app32.png"), QSize(32, 32));
    setWindowIcon(icon);

    about = new AboutDialog(this);
    desc = new DescDialog(this);

    connect(ui->goButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->exitButton, &QPushButton::clicked, this, &Introb::closeAll);
    connect(ui->authorsButton, &QPushButton::clicked, about, &QWidget::show);
    connect(ui->infoButton, &QPushButton::clicked, this, &Introb::showGuide);
}

Introb::~Introb() = default;

void Introb::setLanguage(Language *newLanguage)
{
    language = newLanguage;
    connect(ui->languageButton, &QPushButton::clicked, language, &Language::switchToOther);
    showLanguageButton();
}

void Introb::showGuide()
{
    desc->show();
    desc->raise();
    desc->activateWindow();
}

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
    else if (event->key() == Qt::Key_F1)
        showGuide();
    // Other keys are swallowed on purpose: the menu has no further shortcuts.
}

void Introb::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showLanguageButton();
    }
    QWidget::changeEvent(event);
}

void Introb::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showLanguageButton();
}

// In the top right corner, outside the menu's layout, which stays as it is.
void Introb::showLanguageButton()
{
    if (!language)
        return;
    QPushButton *button = ui->languageButton;
    button->setText(language->otherLanguageName());
    button->adjustSize();
    const int margin = layout()->contentsMargins().right();
    button->move(width() - button->width() - margin, margin);
    // Above the emblem's label, whose cell reaches into the corner.
    button->raise();
    button->show();
}
