#include "introb.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace {
// The menu shown full-screen, noting at every closeMW() whether it was already hidden: the main
// window closing on that signal must find the menu gone.
struct Menu : Introb
{
    QVector<bool> hiddenAtRequest;
    Menu()
    {
        connect(this, &Introb::closeMW, this, [this] { hiddenAtRequest << isHidden(); });
        showFullScreen();
    }
    void click(const char *button) { findChild<QPushButton *>(button)->click(); }
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

class MenuTest : public QObject
{
    Q_OBJECT
private slots:
    void actions_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("leaves");
        QTest::addColumn<int>("closeRequests");
        QTest::addColumn<QString>("dialog");
        const auto click = [](const char *name) { return Action([=](Menu &m) { m.click(name); }); };
        const auto key = [](Qt::Key k) { return Action([=](Menu &m) { QTest::keyClick(&m, k); }); };
        QTest::newRow("Demonstration") << click("goButton") << true << 0 << QString();
        QTest::newRow("Help") << click("infoButton") << false << 0 << "DescDialog";
        QTest::newRow("Authors") << click("authorsButton") << false << 0 << "AboutDialog";
        QTest::newRow("Exit") << click("exitButton") << true << 1 << QString();
        QTest::newRow("Escape") << key(Qt::Key_Escape) << true << 1 << QString();
        QTest::newRow("Return") << key(Qt::Key_Return) << false << 0 << QString();
        QTest::newRow("window-system close")
            << Action([](Menu &m) { m.windowHandle()->close(); }) << true << 0 << QString();
    }
    void actions()
    {
        QFETCH(Action, action);
        QFETCH(bool, leaves);
        QFETCH(int, closeRequests);
        QFETCH(QString, dialog);

        QPointer<Menu> menu = new Menu;
        action(*menu);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(menu); // leaving only hides the menu
        QCOMPARE(menu->isHidden(), leaves);
        QCOMPARE(menu->hiddenAtRequest, QVector<bool>(closeRequests, true));
        const QList<QDialog *> shown = menu->shownDialogs();
        QCOMPARE(shown.size(), dialog.isEmpty() ? 0 : 1);
        if (!dialog.isEmpty()) {
            // Modeless, hidden by OK and by Escape, shown again as itself, open with the other.
            QCOMPARE(shown[0]->objectName(), dialog);
            QVERIFY(!shown[0]->isModal() && !QApplication::activeModalWidget());
            const QLabel *label = shown[0]->findChild<QLabel *>("label");
            shown[0]->resize(100, 50); // however small, the text is never wrapped
            int longest = 0;
            for (const QString &line : label->text().split('\n'))
                longest = qMax(longest, label->fontMetrics().horizontalAdvance(line));
            QVERIFY(longest > 0 && label->width() >= longest);
            shown[0]->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            QVERIFY(menu->shownDialogs().isEmpty());
            action(*menu);
            QTest::keyClick(shown[0], Qt::Key_Escape);
            QVERIFY(menu->shownDialogs().isEmpty());
            action(*menu);
            QCOMPARE(menu->shownDialogs(), shown);
            menu->click("infoButton");
            menu->click("authorsButton");
            QCOMPARE(menu->shownDialogs().size(), 2);
        }
        delete menu;
    }
};

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
