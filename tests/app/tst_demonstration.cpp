#include "introb.h"
#include "window.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

// The main window and its menu together: going to the demonstration and back never disturbs it,
// and leaving closes the menu first, then the window.
class DemonstrationTest : public QObject
{
    Q_OBJECT
    Introb *menu = nullptr;
    QVector<bool> menuHiddenAtClose; // one entry per close event of the main window

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            menuHiddenAtClose << menu->isHidden();
        return false;
    }

private slots:
    void goBackAndLeave_data()
    {
        QTest::addColumn<QString>("leaving");
        QTest::newRow("Exit") << "exitButton";
        QTest::newRow("Escape in the menu") << "menu";
        QTest::newRow("Escape in the main window") << "window";
    }
    void goBackAndLeave()
    {
        QFETCH(QString, leaving);
        Window window;
        window.showFullScreen();
        window.showIntro();
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *intro = qobject_cast<Introb *>(top))
                menu = intro;
        const QTimer *timer = window.findChild<QTimer *>();
        QPushButton *play = window.findChild<QPushButton *>("togglePlayButton");
        window.findChild<QSpinBox *>("numberBox")->setValue(7);

        menu->findChild<QPushButton *>("goButton")->click();
        QVERIFY(menu->isHidden() && window.isVisible());
        play->click();
        window.findChild<QPushButton *>("backButton")->click();
        QVERIFY(menu->isVisible() && menu->isFullScreen() && timer->isActive());
        menu->findChild<QPushButton *>("goButton")->click();
        QVERIFY(menu->isHidden() && timer->isActive());
        QCOMPARE(play->text(), "Pause");
        QCOMPARE(window.gasModel().number(), 7);

        menuHiddenAtClose.clear();
        window.installEventFilter(this);
        QTest::keyClick(&window, Qt::Key_A);
        if (leaving == "window") {
            QTest::keyClick(&window, Qt::Key_Escape);
        } else {
            window.findChild<QPushButton *>("backButton")->click();
            if (leaving == "menu")
                QTest::keyClick(menu, Qt::Key_Escape);
            else
                menu->findChild<QPushButton *>("exitButton")->click();
        }
        QCOMPARE(menuHiddenAtClose, QVector<bool>{true});
        QVERIFY(window.isHidden());
    }
};

QTEST_MAIN(DemonstrationTest)
#include "tst_demonstration.moc"
