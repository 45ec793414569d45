// kestrune-rotate IN ANGLE OUT, run as a separate process.

#include "tests/support/ScratchMount.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <sys/stat.h>

namespace {

const QString kTool = QStringLiteral(KESTRUNE_BIN_DIR "/kestrune-rotate");

struct Run {
    int exitCode = -1;
    QByteArray errors;
};

Run runTool(const QStringList& args)
{
    QProcess process;
    process.start(kTool, args);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = process.readAllStandardError();
    return run;
}

} // namespace

class TestRotateTool : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QFileInfo::exists(kTool));
        QVERIFY(m_dir.isValid());
        QImage card(5, 3, QImage::Format_ARGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                card.setPixel(x, y, qRgba(x * 50, y * 100, 20, 255));
        QVERIFY(card.save(m_dir.filePath(QStringLiteral("card.png"))));
        m_card = card;
    }

    void turnsAndWrites_data();
    void turnsAndWrites();
    void refusesBadInput_data();
    void refusesBadInput();
    void hugeAnglesGiveTheTrueTurn_data();
    void hugeAnglesGiveTheTrueTurn();
    void refusesWhatIsNotARegularFileWithoutHanging_data();
    void refusesWhatIsNotARegularFileWithoutHanging();
    void refusesDamagedPictures_data();
    void refusesDamagedPictures();
    void aFullDiskLeavesNoPictureAndSaysWhy_data();
    void aFullDiskLeavesNoPictureAndSaysWhy();

private:
    QTemporaryDir m_dir;
    QImage m_card;
};

void TestRotateTool::turnsAndWrites_data()
{
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QSize>("size");
    QTest::newRow("quarter turn to BMP") << QStringLiteral("90") << QStringLiteral("out.bmp") << QSize(3, 5);
    QTest::newRow("half turn to PNG") << QStringLiteral("180") << QStringLiteral("out.png") << QSize(5, 3);
    QTest::newRow("45 degrees to PNG") << QStringLiteral("45") << QStringLiteral("o45.png") << QSize(6, 6);
    QTest::newRow("negative to JPEG") << QStringLiteral("-12.5") << QStringLiteral("out.jpg") << QSize(6, 5);
}

void TestRotateTool::turnsAndWrites()
{
    QFETCH(QString, angle);
    QFETCH(QString, output);
    QFETCH(QSize, size);
    const QString out = m_dir.filePath(output);
    const Run run = runTool({m_dir.filePath(QStringLiteral("card.png")), angle, out});
    QVERIFY2(run.exitCode == 0, run.errors.constData());
    const QImage written(out);
    QCOMPARE(written.size(), size);
    QVERIFY(!written.hasAlphaChannel());
    if (angle == QLatin1String("90")) {
        // Source (x, y) is found at (y, W - 1 - x).
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                QCOMPARE(written.pixel(y, 4 - x), m_card.pixel(x, y));
    }
    if (angle == QLatin1String("45"))
        QCOMPARE(written.pixel(0, 0), qRgb(0, 0, 0)); // black background
}

void TestRotateTool::refusesBadInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("output");
    QTest::newRow("missing input") << QStringLiteral("nothing.png") << QStringLiteral("90") << QStringLiteral("a.png");
    QTest::newRow("not a picture") << QStringLiteral("junk.png") << QStringLiteral("90") << QStringLiteral("b.png");
    QTest::newRow("angle not a number") << QStringLiteral("card.png") << QStringLiteral("ninety") << QStringLiteral("c.png");
    QTest::newRow("angle with junk") << QStringLiteral("card.png") << QStringLiteral("90deg") << QStringLiteral("d.png");
    QTest::newRow("unwritable folder") << QStringLiteral("card.png") << QStringLiteral("90") << QStringLiteral("no/such/e.png");
    QTest::newRow("unknown format") << QStringLiteral("card.png") << QStringLiteral("90") << QStringLiteral("f.nope");
}

void TestRotateTool::refusesBadInput()
{
    QFETCH(QString, input);
    QFETCH(QString, angle);
    QFETCH(QString, output);
    QFile junk(m_dir.filePath(QStringLiteral("junk.png")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();

    const QString out = m_dir.filePath(output);
    const Run run = runTool({m_dir.filePath(input), angle, out});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.errors.startsWith("kestrune-rotate: "));
    QVERIFY(!QFileInfo::exists(out));
}

void TestRotateTool::hugeAnglesGiveTheTrueTurn_data()
{
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("sameAs");
    // 10^18 and 10^20 are exact doubles, both 280 more than a whole number of turns.
    QTest::newRow("1e18") << QStringLiteral("1e18") << QStringLiteral("280");
    QTest::newRow("1e20") << QStringLiteral("1e20") << QStringLiteral("280");
    QTest::newRow("-1e18") << QStringLiteral("-1e18") << QStringLiteral("-280");
    QTest::newRow("1e100") << QStringLiteral("1e100")
                           << QString::number(std::fmod(1e100, 360.0), 'g', 17);
    QTest::newRow("360 turns and a quarter") << QStringLiteral("129690") << QStringLiteral("90");
}

void TestRotateTool::hugeAnglesGiveTheTrueTurn()
{
    QFETCH(QString, angle);
    QFETCH(QString, sameAs);
    const QString card = m_dir.filePath(QStringLiteral("card.png"));
    const QString huge = m_dir.filePath(QStringLiteral("huge.png"));
    const QString small = m_dir.filePath(QStringLiteral("small.png"));
    Run run = runTool({card, angle, huge});
    QVERIFY2(run.exitCode == 0, run.errors.constData());
    run = runTool({card, sameAs, small});
    QVERIFY2(run.exitCode == 0, run.errors.constData());
    const QImage a(huge), b(small);
    QCOMPARE(a.size(), b.size());
    QVERIFY(a.size().width() <= 6 && a.size().height() <= 6); // never blown up
    QCOMPARE(a, b);
}

void TestRotateTool::refusesWhatIsNotARegularFileWithoutHanging_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("said");
    QTest::newRow("input a folder") << "folder" << "o1.png" << "is a folder";
    QTest::newRow("input a pipe") << "pipe" << "o2.png" << "not a regular file";
    QTest::newRow("output a pipe") << "card.png" << "pipe.png" << "not a regular file";
    QTest::newRow("output a folder") << "card.png" << "folder.png" << "folder";
}

void TestRotateTool::refusesWhatIsNotARegularFileWithoutHanging()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, said);
    QDir().mkpath(m_dir.filePath(QStringLiteral("folder")));
    QDir().mkpath(m_dir.filePath(QStringLiteral("folder.png")));
    for (const char* name : {"pipe", "pipe.png"}) {
        const QByteArray path = QFile::encodeName(m_dir.filePath(QLatin1String(name)));
        if (!QFileInfo::exists(QString::fromLocal8Bit(path)))
            QVERIFY(::mkfifo(path.constData(), 0600) == 0);
    }
    const QString out = m_dir.filePath(output);
    const QFileInfo before(out);
    const Run run = runTool({m_dir.filePath(input), QStringLiteral("90"), out});
    QCOMPARE(run.exitCode, 2); // -1 would mean it hung and was stopped
    QVERIFY2(run.errors.contains(said.toUtf8()), run.errors.constData());
    QCOMPARE(QFileInfo(out).exists(), before.exists());
    QVERIFY(!QFileInfo(out).isFile());
}

void TestRotateTool::refusesDamagedPictures_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<double>("keptPart");
    QTest::newRow("JPEG cut in half") << QByteArray("jpg") << 0.5;
    QTest::newRow("PNG cut in half") << QByteArray("png") << 0.5;
}

void TestRotateTool::refusesDamagedPictures()
{
    QFETCH(QByteArray, format);
    QFETCH(double, keptPart);
    QImage picture(120, 80, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 7) % 256, (y * 13) % 256, (x * y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(picture.save(&buffer, format.constData()));
    const QString in = m_dir.filePath(QStringLiteral("cut.") + QString::fromLatin1(format));
    QFile cut(in);
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(int(bytes.size() * keptPart)));
    cut.close();
    const QString out = m_dir.filePath(QStringLiteral("from-cut.png"));
    const Run run = runTool({in, QStringLiteral("30"), out});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.errors.contains("kestrune-rotate: "), run.errors.constData());
    QVERIFY(!QFileInfo::exists(out));
}

void TestRotateTool::aFullDiskLeavesNoPictureAndSaysWhy_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("JPEG") << QStringLiteral("out.jpg");
    QTest::newRow("PNG") << QStringLiteral("out.png");
    QTest::newRow("BMP") << QStringLiteral("out.bmp");
}

void TestRotateTool::aFullDiskLeavesNoPictureAndSaysWhy()
{
    QFETCH(QString, name);
    kestrune::testing::ScratchMount disk(16 * 1024);
    if (!disk.isMounted())
        QSKIP("mounting a small file system needs root");
    // A picture too large for the disk, noisy so it does not compress away.
    QImage big(400, 300, QImage::Format_RGB32);
    quint32 seed = 1;
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            big.setPixel(x, y, seed >> 8);
        }
    const QString in = m_dir.filePath(QStringLiteral("big.png"));
    QVERIFY(big.save(in));
    const QString out = disk.filePath(name);
    const Run run = runTool({in, QStringLiteral("10"), out});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.errors.contains("No space left on device"), run.errors.constData());
    QVERIFY(!QFileInfo::exists(out));
    QCOMPARE(QDir(disk.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

QTEST_GUILESS_MAIN(TestRotateTool)
#include "test_rotate_tool.moc"
