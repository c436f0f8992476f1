#include "windowdriver.h"

#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

namespace {
// Answers the modal dialogs that saveShot() opens: the file dialog with the
// given name (an empty one cancels it), then any message box, whose text it
// keeps. It polls from the modal loops' own event processing.
class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(const QString &name) : name(name)
    {
        connect(&poll, &QTimer::timeout, this, &ModalAnswerer::answer);
        poll.start(5);
    }

    QString caption;
    QStringList filters;
    QString startDirectory;
    QStringList messages;

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            caption = dialog->windowTitle();
            filters = dialog->nameFilters();
            startDirectory = dialog->directory().absolutePath();
            if (name.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(name);
                // Through the public base, as the dialog's own Save button does.
                static_cast<QDialog *>(dialog)->accept();
            }
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages << box->text();
            box->accept();
        }
    }

    QString name;
    QTimer poll;
};

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}
} // namespace

class SnapshotTest : public QObject
{
    Q_OBJECT
private slots:
    void renderedField_data();
    void renderedField();
    void savedFormats_data();
    void savedFormats();
    void failingSaveWritesNothing_data();
    void failingSaveWritesNothing();
    void saveThroughDialog_data();
    void saveThroughDialog();
};

// One electron at (50, 200) flying straight up between the atom columns 25 and
// 75 of the default lattice; in trail mode its dots lie 5 pixels apart above it.
void SnapshotTest::renderedField_data()
{
    QTest::addColumn<bool>("showBins");
    QTest::addColumn<bool>("trail");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("atom") << false << false << QPoint(25, 25) << QColor(Qt::black);
    QTest::newRow("electron") << false << false << QPoint(50, 200) << QColor(Qt::red);
    QTest::newRow("no trail when off") << false << false << QPoint(50, 180) << QColor(Qt::white);
    QTest::newRow("selected strip") << true << false << QPoint(5, 200) << QColor(Qt::cyan);
    QTest::newRow("other strip") << true << false << QPoint(300, 200) << QColor(Qt::white);
    QTest::newRow("trail dot") << false << true << QPoint(50, 180) << QColor(Qt::black);
    QTest::newRow("between trail dots") << false << true << QPoint(50, 182) << QColor(Qt::white);
    QTest::newRow("electron in trail mode") << false << true << QPoint(50, 200) << QColor(Qt::red);
}

void SnapshotTest::renderedField()
{
    QFETCH(bool, showBins);
    QFETCH(bool, trail);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, expected);

    WindowDriver driver;
    driver.aimClicksStraightUp();
    driver.click(50, 200);
    driver.control<QCheckBox>("showBinsBox")->setChecked(showBins);
    driver.control<QCheckBox>("trailModeCheckBox")->setChecked(trail);
    const QVector<QPointF> positions = driver.model().electronPositions();
    const QVector<double> directions = driver.model().electronDirections();

    const QImage image = renderToImage(driver.field);

    QCOMPARE(image.size(), QSize(400, 400));
    const QRgb actual = image.pixel(pixel);
    if (expected == Qt::black) // the dots are antialiased discs 2 pixels wide
        QVERIFY2(isDark(actual), qPrintable(QColor(actual).name()));
    else
        QCOMPARE(QColor(actual), expected);
    QCOMPARE(driver.model().electronPositions(), positions);
    QCOMPARE(driver.model().electronDirections(), directions);
}

void SnapshotTest::savedFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("format");

    QTest::newRow("png") << "shot.png"
                         << "shot.png" << QByteArray("png");
    QTest::newRow("bmp") << "shot.bmp"
                         << "shot.bmp" << QByteArray("bmp");
    QTest::newRow("no suffix") << "shot"
                               << "shot.png" << QByteArray("png");
}

void SnapshotTest::savedFormats()
{
    QFETCH(QString, name);
    QFETCH(QString, written);
    QFETCH(QByteArray, format);

    QTemporaryDir dir;
    WindowDriver driver;
    driver.control<QSpinBox>("numberBox")->setValue(20);
    driver.control<QCheckBox>("showBinsBox")->setChecked(true);

    QVERIFY(driver.window.saveShotTo(dir.filePath(name)));

    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    QImageReader reader(dir.filePath(written));
    QCOMPARE(reader.format(), format);
    const QImage saved = reader.read();
    QCOMPARE(saved.size(), QSize(400, 400));
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
             renderToImage(driver.field).convertToFormat(QImage::Format_RGB32));
}

void SnapshotTest::failingSaveWritesNothing_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("missing directory") << "missing/shot.png";
    QTest::newRow("unknown suffix") << "shot.xyz";
}

void SnapshotTest::failingSaveWritesNothing()
{
    QFETCH(QString, name);

    QTemporaryDir dir;
    WindowDriver driver;
    QVERIFY(!driver.window.saveShotTo(dir.filePath(name)));
    QVERIFY(QDir(dir.path()).isEmpty());
}

void SnapshotTest::saveThroughDialog_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("cancelled") << QString() << false << QStringList();
    QTest::newRow("written") << "shot.png" << false << QStringList{"shot.png"};
    QTest::newRow("missing directory") << "missing/shot.png" << true << QStringList();
    QTest::newRow("unknown suffix") << "shot.xyz" << true << QStringList();
}

void SnapshotTest::saveThroughDialog()
{
    QFETCH(QString, name);
    QFETCH(bool, warned);
    QFETCH(QStringList, files);

    QTemporaryDir dir;
    WindowDriver driver;
    const QString path = name.isEmpty() ? name : dir.filePath(name);
    ModalAnswerer answerer(path);

    driver.control<QPushButton>("saveButton")->click();

    QCOMPARE(answerer.caption, "Save Shot");
    QCOMPARE(answerer.filters, QStringList{"PNG Images (*.png)"});
    QCOMPARE(answerer.startDirectory, QDir::currentPath());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
    QCOMPARE(answerer.messages.size(), warned ? 1 : 0);
    if (warned)
        QVERIFY2(answerer.messages[0].contains(QDir::toNativeSeparators(path)),
                 qPrintable(answerer.messages[0]));
}

QTEST_MAIN(SnapshotTest)
#include "tst_snapshot.moc"
