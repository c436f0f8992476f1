#include "introb.h"
#include "widget.h"
#include "window.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

// The main window and its intro menu together: going to the demonstration
// and back never disturbs it, and leaving through the menu closes both.
class DemonstrationTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void goAndBackKeepTheDemonstrationRunning();
    void leavingClosesMenuThenWindow_data();
    void leavingClosesMenuThenWindow();
    void escapeClosesTheMainWindow();

private:
    Introb *menu() const;
    QPushButton *button(QWidget *in, const char *name) const
    {
        return in->findChild<QPushButton *>(name);
    }

    Window *window = nullptr;
};

Introb *DemonstrationTest::menu() const
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *intro = qobject_cast<Introb *>(top))
            return intro;
    return nullptr;
}

void DemonstrationTest::init()
{
    window = new Window;
    window->showFullScreen();
    window->showIntro();
    QVERIFY(menu() && menu()->isVisible());
}

void DemonstrationTest::cleanup()
{
    delete window;
    window = nullptr;
}

void DemonstrationTest::goAndBackKeepTheDemonstrationRunning()
{
    auto *timer = window->findChild<QTimer *>();
    auto *field = window->findChild<Widget *>();
    window->findChild<QSpinBox *>("numberBox")->setValue(7);

    button(menu(), "goButton")->click();
    QVERIFY(!menu()->isVisible());
    QVERIFY(window->isVisible());
    button(window, "togglePlayButton")->click();
    QVERIFY(timer->isActive());

    for (int round = 0; round < 3; ++round) {
        button(window, "backButton")->click();
        QVERIFY(menu()->isVisible());
        QVERIFY(menu()->isFullScreen());
        QVERIFY(timer->isActive());
        const QPointF before = window->gasModel().electronPositions().at(0);
        field->animate(); // a tick behind the menu
        QVERIFY(window->gasModel().electronPositions().at(0) != before);
        button(menu(), "goButton")->click();
        QVERIFY(!menu()->isVisible());
    }
    QVERIFY(timer->isActive());
    QCOMPARE(window->gasModel().number(), 7);
    QCOMPARE(button(window, "togglePlayButton")->text(), QString("Pause"));
}

void DemonstrationTest::leavingClosesMenuThenWindow_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Exit button") << false;
    QTest::newRow("Escape") << true;
}

void DemonstrationTest::leavingClosesMenuThenWindow()
{
    QFETCH(bool, byEscape);

    // Record whether the menu was already hidden when the window closed.
    bool menuHiddenFirst = false;
    int windowCloses = 0;
    struct CloseSpy : QObject
    {
        std::function<void()> onClose;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Close)
                onClose();
            return false;
        }
    } spy;
    spy.onClose = [&] {
        ++windowCloses;
        menuHiddenFirst = !menu()->isVisible();
    };
    window->installEventFilter(&spy);

    if (byEscape)
        QTest::keyClick(menu(), Qt::Key_Escape);
    else
        button(menu(), "exitButton")->click();

    QCOMPARE(windowCloses, 1);
    QVERIFY(menuHiddenFirst);
    QVERIFY(!window->isVisible());
    QVERIFY(!menu()->isVisible());
    window->removeEventFilter(&spy);
}

void DemonstrationTest::escapeClosesTheMainWindow()
{
    button(menu(), "goButton")->click();
    QTest::keyClick(window, Qt::Key_A);
    QVERIFY(window->isVisible());
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(DemonstrationTest)
#include "tst_demonstration.moc"
