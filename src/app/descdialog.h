#ifndef DESCDIALOG_H
#define DESCDIALOG_H

#include <QDialog>
#include <memory>

namespace Ui {
class DescDialog;
}

// The user guide: one fixed text and an OK button. Shown modeless by the intro
// menu; OK or Escape only hides it, so the same object is shown again later.
class DescDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DescDialog(QWidget *parent = nullptr);
    ~DescDialog() override;

    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitToScreen();

    std::unique_ptr<Ui::DescDialog> ui;
};

#endif // DESCDIALOG_H
