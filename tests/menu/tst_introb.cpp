#include "introb.h"

#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

namespace {
// Collects every closeMW() of a menu together with whether the menu was already
// hidden at that moment: the main window must find the menu gone when it closes.
class CloseRequests
{
public:
    explicit CloseRequests(Introb &menu)
    {
        QObject::connect(&menu, &Introb::closeMW, &menu,
                         [this, &menu] { hiddenAtRequest.append(menu.isHidden()); });
    }
    QVector<bool> hiddenAtRequest;
};

QDialog *shownDialog(const Introb &menu)
{
    for (QDialog *dialog : menu.findChildren<QDialog *>())
        if (dialog->isVisible())
            return dialog;
    return nullptr;
}
} // namespace

class IntrobTest : public QObject
{
    Q_OBJECT
private slots:
    void buttons_data();
    void buttons();
    void keys_data();
    void keys();
    void windowSystemCloseOnlyHides();
    void tabOrderFollowsTheButtonRow();
    void artworkComesFromTheResources();
};

void IntrobTest::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("menuStays");
    QTest::addColumn<int>("closeRequests");
    QTest::addColumn<QString>("opensDialog");

    QTest::newRow("demonstration") << "goButton"
                                   << "Демонстрация" << false << 0 << QString();
    QTest::newRow("help") << "infoButton"
                          << "Справка" << true << 0 << "DescDialog";
    QTest::newRow("authors") << "authorsButton"
                             << "Авторы" << true << 0 << "AboutDialog";
    QTest::newRow("exit") << "exitButton"
                          << "Выход" << false << 1 << QString();
}

void IntrobTest::buttons()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(bool, menuStays);
    QFETCH(int, closeRequests);
    QFETCH(QString, opensDialog);

    Introb menu;
    CloseRequests requests(menu);
    menu.showFullScreen();
    auto *pushButton = menu.findChild<QPushButton *>(button);
    QVERIFY(pushButton);
    QCOMPARE(pushButton->text(), caption);

    QTest::mouseClick(pushButton, Qt::LeftButton);

    QCOMPARE(menu.isVisible(), menuStays);
    QCOMPARE(requests.hiddenAtRequest, QVector<bool>(closeRequests, true));
    QDialog *dialog = shownDialog(menu);
    QCOMPARE(dialog ? QString(dialog->metaObject()->className()) : QString(), opensDialog);
}

void IntrobTest::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("leaves");

    QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
    QTest::newRow("Return") << int(Qt::Key_Return) << false;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << false;
    QTest::newRow("Space") << int(Qt::Key_Space) << false;
    QTest::newRow("Q") << int(Qt::Key_Q) << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << false;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << false;
}

void IntrobTest::keys()
{
    QFETCH(int, key);
    QFETCH(bool, leaves);

    Introb menu;
    CloseRequests requests(menu);
    menu.showFullScreen();

    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&menu, &press);

    // Every key is taken by the menu, whether it does something or not.
    QVERIFY(press.isAccepted());
    QCOMPARE(menu.isHidden(), leaves);
    QCOMPARE(requests.hiddenAtRequest, QVector<bool>(leaves ? 1 : 0, true));
    QVERIFY(!shownDialog(menu));
}

void IntrobTest::windowSystemCloseOnlyHides()
{
    QPointer<Introb> menu = new Introb;
    CloseRequests requests(*menu);
    menu->showFullScreen();
    QVERIFY(menu->windowHandle());

    QVERIFY(menu->windowHandle()->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(menu);
    QVERIFY(menu->isHidden());
    QVERIFY(requests.hiddenAtRequest.isEmpty());

    // It can be brought back, as the main window's back button does.
    menu->showFullScreen();
    QVERIFY(menu->isVisible());
    delete menu;
}

void IntrobTest::tabOrderFollowsTheButtonRow()
{
    Introb menu;
    QStringList order;
    QWidget *widget = menu.nextInFocusChain();
    for (; widget != &menu; widget = widget->nextInFocusChain())
        if (qobject_cast<QPushButton *>(widget) && (widget->focusPolicy() & Qt::TabFocus))
            order << widget->objectName();
    QCOMPARE(order, QStringList({"goButton", "infoButton", "authorsButton", "exitButton"}));
}

void IntrobTest::artworkComesFromTheResources()
{
    Introb menu;
    const QPixmap left = menu.findChild<QLabel *>("label_6")->pixmap();
    const QPixmap right = menu.findChild<QLabel *>("label_7")->pixmap();
    QCOMPARE(left.size(), QSize(212, 209));
    QCOMPARE(right.size(), QSize(212, 209));
    QVERIFY(left.toImage() != right.toImage());

    const QList<QSize> sizes = menu.windowIcon().availableSizes();
    QCOMPARE(sizes.size(), 2);
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
}

QTEST_MAIN(IntrobTest)
#include "tst_introb.moc"
