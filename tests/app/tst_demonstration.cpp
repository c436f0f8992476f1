#include "introb.h"
#include "window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace {
// The menu full-screen, noting at each closeMW() whether it is hidden, as the main window needs.
struct Menu : Introb
{
    QVector<bool> hiddenAtRequest;
    Menu()
    {
        connect(this, &Introb::closeMW, this, [this] { hiddenAtRequest << isHidden(); });
        showFullScreen();
    }
    QList<QDialog *> shownDialogs() const
    {
        QList<QDialog *> dialogs = findChildren<QDialog *>();
        dialogs.removeIf([](QDialog *dialog) { return dialog->isHidden(); });
        return dialogs;
    }
};
using Action = std::function<void(Menu &)>;
} // namespace

Q_DECLARE_METATYPE(Action)

// The menu alone, then with the main window it leads to and closes.
class MenuTest : public QObject
{
    Q_OBJECT
    Introb *intro = nullptr;         // the main window's menu
    QVector<bool> menuHiddenAtClose; // one entry per close event of the main window
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            menuHiddenAtClose << intro->isHidden();
        return false;
    }
    static void click(QWidget *w, const char *n) { w->findChild<QPushButton *>(n)->click(); }
private slots:
    void actions_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("outcome"); // 0 stays, 1 hides, 2 hides and then asks to close
        QTest::addColumn<QString>("dialog");
        const auto button = [](const char *n) { return Action([=](Menu &m) { click(&m, n); }); };
        const auto key = [](Qt::Key k) { return Action([=](Menu &m) { QTest::keyClick(&m, k); }); };
        QTest::newRow("Demonstration") << button("goButton") << 1 << QString();
        QTest::newRow("Help") << button("infoButton") << 0 << "DescDialog";
        QTest::newRow("Authors") << button("authorsButton") << 0 << "AboutDialog";
        QTest::newRow("Exit") << button("exitButton") << 2 << QString();
        QTest::newRow("Escape") << key(Qt::Key_Escape) << 2 << QString();
        QTest::newRow("Return") << key(Qt::Key_Return) << 0 << QString();
        QTest::newRow("window-system close")
            << Action([](Menu &m) { m.windowHandle()->close(); }) << 1 << QString();
    }
    void actions()
    {
        QFETCH(Action, action);
        QFETCH(int, outcome);
        QFETCH(QString, dialog);
        QPointer<Menu> menu = new Menu;
        const auto cleanUp = qScopeGuard([&] { delete menu; });
        action(*menu);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(menu); // leaving only hides the menu
        QCOMPARE(menu->isHidden(), outcome > 0);
        QCOMPARE(menu->hiddenAtRequest, QVector<bool>(outcome / 2, true));
        const QList<QDialog *> shown = menu->shownDialogs();
        QCOMPARE(shown.size(), dialog.isEmpty() ? 0 : 1);
        if (dialog.isEmpty())
            return;
        // Modeless, text unwrapped; OK and Escape hide it, it reopens as itself, beside the other.
        QCOMPARE(shown[0]->objectName(), dialog);
        QVERIFY(!shown[0]->isModal() && !QApplication::activeModalWidget());
        const QLabel *label = shown[0]->findChild<QLabel *>("label");
        shown[0]->resize(100, 50);
        const int longest = label->fontMetrics().boundingRect(QRect(), 0, label->text()).width();
        QVERIFY(longest > 0 && label->width() >= longest);
        shown[0]->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(menu->shownDialogs().isEmpty());
        action(*menu);
        QTest::keyClick(shown[0], Qt::Key_Escape);
        QVERIFY(menu->shownDialogs().isEmpty());
        action(*menu);
        QCOMPARE(menu->shownDialogs(), shown);
        click(menu, "infoButton");
        click(menu, "authorsButton");
        QCOMPARE(menu->shownDialogs().size(), 2);
    }
    // Going to the demonstration and back never disturbs it; Exit closes the menu, then the window.
    void demonstration()
    {
        Window window;
        window.showFullScreen();
        window.showIntro();
        for (QWidget *top : QApplication::topLevelWidgets())
            intro = qobject_cast<Introb *>(top) ? qobject_cast<Introb *>(top) : intro;
        const QTimer *timer = window.findChild<QTimer *>();
        window.findChild<QSpinBox *>("numberBox")->setValue(7);
        click(intro, "goButton");
        click(&window, "togglePlayButton");
        click(&window, "backButton");
        QVERIFY(intro->isVisible() && intro->isFullScreen() && timer->isActive());
        click(intro, "goButton");
        QVERIFY(intro->isHidden() && timer->isActive());
        QCOMPARE(window.findChild<QPushButton *>("togglePlayButton")->text(), "Pause");
        QCOMPARE(window.gasModel().number(), 7);
        window.installEventFilter(this);
        QTest::keyClick(&window, Qt::Key_A); // other keys do nothing
        click(&window, "backButton");
        click(intro, "exitButton");
        QCOMPARE(menuHiddenAtClose, QVector<bool>{true});
        QVERIFY(window.isHidden());
        window.show(); // and Escape closes the main window
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isHidden() && menuHiddenAtClose.size() == 2);
    }
};

QTEST_MAIN(MenuTest)
#include "tst_demonstration.moc"
