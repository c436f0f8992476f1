#include "descdialog.h"

#include "ui_descdialog.h"

#include <QScreen>
#include <QStyle>

DescDialog::DescDialog(QWidget *parent) : QDialog(parent), ui(new Ui::DescDialog)
{
    ui->setupUi(this);
}

DescDialog::~DescDialog() = default;

// Sized before it is shown, so that the window appears at its final size.
void DescDialog::setVisible(bool visible)
{
    if (visible)
        fitToScreen();
    QDialog::setVisible(visible);
}

// The guide in the other language has lines of other lengths.
void DescDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (isVisible())
            fitToScreen();
    }
    QDialog::changeEvent(event);
}

// Where the screen has room, the guide shows whole with every line on one
// line, and the dialog never gets smaller than that. On a smaller screen (a
// 1024 x 768 projector, an enlarged program) its lines wrap to the screen's
// width and what is still too tall scrolls, so the OK button stays in reach.
void DescDialog::fitToScreen()
{
    // The window manager's frame is unknown before the window is shown: allow
    // for a title bar and a border of a few pixels.
    const int border = 4;
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QSize windowFrame(2 * border, titleBar + 2 * border);
    const QSize room = screen()->availableGeometry().size() - windowFrame;

    const QMargins margins = layout()->contentsMargins();
    const QSize aroundText(margins.left() + margins.right(),
                           margins.top() + margins.bottom() + layout()->spacing() +
                               ui->buttonBox->sizeHint().height());
    const QSize roomForText = room - aroundText;

    ui->label->setWordWrap(false);
    QSize text = ui->label->sizeHint();
    if (text.width() > roomForText.width()) {
        ui->label->setWordWrap(true);
        text = QSize(roomForText.width(), ui->label->heightForWidth(roomForText.width()));
    }
    ui->scrollArea->setMinimumSize(text.boundedTo(roomForText));
    resize(size().boundedTo(room));
}
