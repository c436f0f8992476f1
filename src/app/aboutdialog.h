#ifndef ABOUTDIALOG_H
#define ABOUTDIALOG_H

#include <QDialog>
#include <memory>

namespace Ui {
class AboutDialog;
}

// The authors list with the version and the licence, and an OK button. Shown
// modeless by the intro menu; OK or Escape only hides it, so the same object is
// shown again later.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void showVersion();

    std::unique_ptr<Ui::AboutDialog> ui;
};

#endif // ABOUTDIALOG_H
