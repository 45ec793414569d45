// kestrune-rotate IN ANGLE OUT, run as a separate process.

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

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

QTEST_GUILESS_MAIN(TestRotateTool)
#include "test_rotate_tool.moc"
