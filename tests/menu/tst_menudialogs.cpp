#include "aboutdialog.h"
#include "descdialog.h"
#include "introb.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

namespace {
enum class Dismissal { Ok, Escape, WindowClose };

QString text(const QDialog &dialog)
{
    return dialog.findChild<QLabel *>("label")->text();
}

// The guide's blocks: the opening sentence, then one block per section.
QStringList guideSections()
{
    DescDialog guide;
    return text(guide).split("\n\n");
}
} // namespace

Q_DECLARE_METATYPE(Dismissal)

class MenuDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void dismissAndReopen_data();
    void dismissAndReopen();
    void bothOpenAtOnceAndLeaving();
    void guideSectionsInOrder();
    void guideNamesEveryControl_data();
    void guideNamesEveryControl();
    void guideLinesAreNeverWrapped();
    void authorsList();
};

void MenuDialogsTest::dismissAndReopen_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<Dismissal>("dismissal");

    const QPair<QString, QString> dialogs[] = {{"infoButton", "Руководство пользователя"},
                                               {"authorsButton", "Авторы"}};
    for (const auto &[button, title] : dialogs) {
        const QByteArray name = button.toLatin1();
        QTest::newRow(name + " OK") << button << title << Dismissal::Ok;
        QTest::newRow(name + " Escape") << button << title << Dismissal::Escape;
        QTest::newRow(name + " window close") << button << title << Dismissal::WindowClose;
    }
}

void MenuDialogsTest::dismissAndReopen()
{
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(Dismissal, dismissal);

    Introb menu;
    menu.showFullScreen();
    auto *opener = menu.findChild<QPushButton *>(button);
    QTest::mouseClick(opener, Qt::LeftButton);

    QPointer<QDialog> dialog;
    for (QDialog *candidate : menu.findChildren<QDialog *>())
        if (candidate->isVisible())
            dialog = candidate;
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), title);
    // Modeless: nothing blocks the menu while the dialog is up.
    QVERIFY(!dialog->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(menu.isVisible());

    switch (dismissal) {
    case Dismissal::Ok:
        QTest::mouseClick(
            dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok),
            Qt::LeftButton);
        break;
    case Dismissal::Escape:
        QTest::keyClick(dialog, Qt::Key_Escape);
        break;
    case Dismissal::WindowClose:
        QVERIFY(dialog->windowHandle()->close());
        break;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog);
    QVERIFY(dialog->isHidden());
    QVERIFY(menu.isVisible());

    QTest::mouseClick(opener, Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QCOMPARE(menu.findChildren<QDialog *>().size(), 2);
}

void MenuDialogsTest::bothOpenAtOnceAndLeaving()
{
    Introb menu;
    int closeRequests = 0;
    connect(&menu, &Introb::closeMW, &menu, [&closeRequests] { ++closeRequests; });
    menu.showFullScreen();
    QTest::mouseClick(menu.findChild<QPushButton *>("infoButton"), Qt::LeftButton);
    QTest::mouseClick(menu.findChild<QPushButton *>("authorsButton"), Qt::LeftButton);

    auto *guide = menu.findChild<DescDialog *>();
    auto *authors = menu.findChild<AboutDialog *>();
    QVERIFY(guide->isVisible());
    QVERIFY(authors->isVisible());

    // Open dialogs are transient windows of the menu, so they never keep the
    // program alive once the menu and the main window are gone.
    QCOMPARE(guide->windowHandle()->transientParent(), menu.windowHandle());
    QCOMPARE(authors->windowHandle()->transientParent(), menu.windowHandle());

    QTest::mouseClick(menu.findChild<QPushButton *>("exitButton"), Qt::LeftButton);
    QVERIFY(menu.isHidden());
    QCOMPARE(closeRequests, 1);
}

void MenuDialogsTest::guideSectionsInOrder()
{
    const QStringList sections = guideSections();
    QCOMPARE(sections.size(), 5);
    QVERIFY(sections[0].contains("модель газа Вандреля", Qt::CaseInsensitive));
    QVERIFY(!sections[0].contains('\n'));

    const QStringList headings = {"Управление:", "Настройки:", "Оценка плотности:", "Графики:"};
    for (int i = 0; i < headings.size(); ++i) {
        const QStringList lines = sections[i + 1].split('\n');
        QCOMPARE(lines.first(), headings[i]);
        QVERIFY(lines.size() >= 2);
        for (const QString &line : lines)
            QVERIFY2(!line.trimmed().isEmpty(), qPrintable(headings[i]));
    }
}

void MenuDialogsTest::guideNamesEveryControl_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("caption");

    // The captions as the main window shows them, without colon or unit.
    const char *control[] = {"Запуск", "Очистить", "Сохранить", "Показать траектории"};
    const char *settings[] = {"Электроны",
                              "Расстояние",
                              "Радиус атома",
                              "Радиус электрона",
                              "Скорость",
                              "Направление",
                              "Выбирать направление случайно"};
    const char *estimation[] = {"Отрезки", "Индекс отрезка", "Показать разбиение на отрезки"};
    for (const char *caption : control)
        QTest::newRow(caption) << 1 << QString::fromUtf8(caption);
    for (const char *caption : settings)
        QTest::newRow(caption) << 2 << QString::fromUtf8(caption);
    for (const char *caption : estimation)
        QTest::newRow(caption) << 3 << QString::fromUtf8(caption);
}

void MenuDialogsTest::guideNamesEveryControl()
{
    QFETCH(int, section);
    QFETCH(QString, caption);

    QVERIFY(guideSections().at(section).contains(caption));
}

void MenuDialogsTest::guideLinesAreNeverWrapped()
{
    DescDialog guide;
    auto *label = guide.findChild<QLabel *>("label");
    const QFontMetrics metrics(label->font());
    int longest = 0;
    for (const QString &line : label->text().split('\n'))
        longest = qMax(longest, metrics.horizontalAdvance(line));
    QVERIFY(longest > 0);

    QVERIFY(label->sizeHint().width() >= longest);
    guide.show();
    guide.resize(100, 50);
    QVERIFY(label->width() >= longest);
    QVERIFY(guide.height() >= label->sizeHint().height());
}

void MenuDialogsTest::authorsList()
{
    AboutDialog authors;
    const QStringList lines = text(authors).split('\n');
    QVERIFY(lines.size() >= 3);
    QVERIFY(!lines[0].isEmpty());
    QVERIFY(lines[1].isEmpty());
    for (int i = 2; i < lines.size(); ++i)
        QVERIFY(!lines[i].trimmed().isEmpty());
}

QTEST_MAIN(MenuDialogsTest)
#include "tst_menudialogs.moc"
