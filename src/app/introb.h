#ifndef INTROB_H
#define INTROB_H

#include <QWidget>
#include <memory>

class AboutDialog;
class DescDialog;
class Language;
class QKeyEvent;

namespace Ui {
class Introb;
}

// The full-screen intro menu shown over the main window: title, emblems and the
// buttons to start the demonstration, read the guide or the authors, or leave,
// and in the corner one to switch the language. It is a top-level window of
// its own; closing it only hides it.
class Introb : public QWidget
{
    Q_OBJECT

public:
    explicit Introb(QWidget *parent = nullptr);
    ~Introb() override;

    // The language the corner button switches; without one it stays hidden.
    void setLanguage(Language *language);
    // The user guide in front, also while the menu itself is hidden.
    void showGuide();

signals:
    // Asks the main window to close; emitted after the menu has hidden itself.
    void closeMW();

protected slots:
    void closeAll();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showLanguageButton();

    std::unique_ptr<Ui::Introb> ui;
    AboutDialog *about;
    DescDialog *desc;
    Language *language = nullptr;
};

#endif // INTROB_H
