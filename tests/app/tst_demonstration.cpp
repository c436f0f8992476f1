#include "introb.h"
#include "window.h"

#include <QtTest>
#include <QtWidgets>

// The menu alone, then with the main window it leads to and closes.
class MenuTest : public QObject
{
    Q_OBJECT
    QVector<bool> menuHidden; // at each close request of the menu or close event of the window
    Introb *menu = nullptr;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            menuHidden << menu->isHidden();
        return false;
    }
    static void click(QWidget *w, const char *n) { w->findChild<QPushButton *>(n)->click(); }
private slots:
    // Only leaving hides it; the dialogs are modeless, unwrapped and come back as themselves.
    void menuAlone()
    {
        QPointer<Introb> intro = new Introb;
        connect(intro, &Introb::closeMW, this, [&] { menuHidden << intro->isHidden(); });
        const auto shown = [&] {
            QList<QDialog *> dialogs = intro->findChildren<QDialog *>();
            return dialogs.removeIf([](QDialog *d) { return d->isHidden(); }), dialogs;
        };
        intro->showFullScreen();
        QTest::keyClick(intro, Qt::Key_Return); // other keys do nothing
        click(intro, "infoButton"), click(intro, "authorsButton");
        const QList<QDialog *> dialogs = shown();
        QVERIFY(dialogs.size() == 2 && intro->isVisible() && !QApplication::activeModalWidget());
        for (QDialog *dialog : dialogs) {
            const QLabel *label = dialog->findChild<QLabel *>("label");
            dialog->resize(100, 50);
            const int longest =
                label->fontMetrics().boundingRect(QRect(), 0, label->text()).width();
            QVERIFY(!dialog->isModal() && longest > 0 && label->width() >= longest);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        }
        QVERIFY(shown().isEmpty());
        click(intro, "infoButton"), click(intro, "authorsButton");
        QCOMPARE(shown(), dialogs);
        for (QDialog *dialog : dialogs)
            QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(shown().isEmpty());
        intro->windowHandle()->close(); // by the window system
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(intro && intro->isHidden() && menuHidden.isEmpty());
        intro->show();
        QTest::keyClick(intro, Qt::Key_Escape);
        QCOMPARE(menuHidden, QVector<bool>{true});
        delete intro;
    }
    // At its own size where the screen has room; elsewhere within the screen, OK in reach, the
    // lines wrapped where they would not fit and the rest scrolling.
    void guideFitsTheScreen()
    {
        Introb menu;
        menu.showFullScreen();
        click(&menu, "infoButton");
        auto *guide = menu.findChild<QDialog *>("DescDialog");
        QVERIFY(QTest::qWaitForWindowExposed(guide));
        const QRect screen = guide->screen()->availableGeometry();
        const QLabel *text = guide->findChild<QLabel *>("label");
        const int longestLine = text->fontMetrics().boundingRect(QRect(), 0, text->text()).width();
        const bool labScreen = screen.width() >= 1280;
        QCOMPARE(guide->width() == 1047, labScreen);
        QVERIFY(text->width() >= longestLine || (!labScreen && text->wordWrap()));
        QVERIFY(screen.contains(guide->geometry()));
        const QWidget *ok = guide->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(screen.contains(QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
    }
    // Going to the demonstration and back never disturbs it; Exit closes the menu, then the window.
    void demonstration()
    {
        Window window;
        window.showFullScreen();
        window.showIntro();
        for (QWidget *top : QApplication::topLevelWidgets())
            menu = qobject_cast<Introb *>(top) ? qobject_cast<Introb *>(top) : menu;
        const QTimer *timer = window.findChild<QTimer *>();
        window.findChild<QSpinBox *>("numberBox")->setValue(7);
        click(menu, "goButton");
        QVERIFY(menu->isHidden());
        click(&window, "togglePlayButton");
        click(&window, "backButton");
        QVERIFY(menu->isVisible() && menu->isFullScreen() && timer->isActive());
        click(menu, "goButton");
        QCOMPARE(window.findChild<QPushButton *>("togglePlayButton")->text(), "Pause");
        QVERIFY(menu->isHidden() && timer->isActive() && window.gasModel().number() == 7);
        window.installEventFilter(this);
        menuHidden.clear();
        QTest::keyClick(&window, Qt::Key_A); // other keys do nothing
        click(&window, "backButton");
        click(menu, "exitButton");
        QVERIFY(window.isHidden() && menuHidden == QVector<bool>{true});
        window.show(); // and Escape closes the main window
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isHidden() && menuHidden.size() == 2);
    }
};

QTEST_MAIN(MenuTest)
#include "tst_demonstration.moc"
