// The tutor's picture store: stored bytes to a picture through a temporary
// file that never stays behind, a picture file's bytes for storing, and the
// half turn with which a card is shown reversed.

#include "imaging/PictureStore.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace kestrune::imaging;

namespace {

QImage sample(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 37) & 0xff, (y * 53) & 0xff, ((x + y) * 11) & 0xff));
    return image;
}

QByteArray encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

class TestPictureStore : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_temp.isValid());
        SetTempFolder(m_temp.path());
    }
    void cleanupTestCase() { SetTempFolder(QString()); }

    void tempFilesAreNewAndEmpty();
    void roundTrip_data();
    void roundTrip();
    void failuresClearTheTarget_data();
    void failuresClearTheTarget();
    void noTempFolder();
    void halfTurnOfExactSize();
    void halfTurnStretchesToTheBox_data();
    void halfTurnStretchesToTheBox();

private:
    QStringList leftovers() const { return QDir(m_temp.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir m_temp;
};

void TestPictureStore::tempFilesAreNewAndEmpty()
{
    const QString a = GetTempFileWithPrefix(QStringLiteral("TMP"));
    const QString b = GetTempFileWithPrefix(QStringLiteral("TMPX"));
    QVERIFY(!a.isEmpty() && !b.isEmpty());
    QVERIFY(a != b);
    for (const QString& path : {a, b}) {
        const QFileInfo info(path);
        QCOMPARE(info.absolutePath(), QDir(m_temp.path()).absolutePath());
        QVERIFY(info.fileName().startsWith(QLatin1String("TMP")));
        QVERIFY(info.fileName().endsWith(QLatin1String(".tmp")));
        QVERIFY(info.exists());
        QCOMPARE(info.size(), 0);
        QFile::remove(path);
    }
}

void TestPictureStore::roundTrip_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("BMP") << QByteArray("BMP");
    QTest::newRow("JPEG") << QByteArray("JPEG");
    QTest::newRow("GIF") << QByteArray("GIF");
    QTest::newRow("PNG") << QByteArray("PNG");
}

void TestPictureStore::roundTrip()
{
    QFETCH(QByteArray, format);
    // A picture file is stored byte for byte, and reading the stored bytes
    // back gives the picture the file holds; no temporary file stays behind.
    const QString file = m_temp.filePath(QStringLiteral("card.") + QString::fromLatin1(format.toLower()));
    QImage original = sample(23, 17);
    if (format == "GIF") {
        // Qt reads GIF but does not write it: a 2 x 1 GIF made by hand.
        original = QImage();
        QFile gif(file);
        QVERIFY(gif.open(QIODevice::WriteOnly));
        gif.write(QByteArray::fromHex("47494638396102000100800000000000ffffff2c00000000020001000002"
                                      "02440a003b"));
        gif.close();
        QVERIFY(original.load(file));
    } else {
        QVERIFY(original.save(file, format.constData()));
    }
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray onDisk = f.readAll();
    f.close();

    bool ok = false;
    const QByteArray stored = SavePictureData(file, &ok);
    QVERIFY(ok);
    QCOMPARE(stored, onDisk);
    QFile::remove(file);

    QImage shown;
    QVERIFY(LoadPictureFromField(shown, stored));
    QCOMPARE(shown.size(), original.size());
    QImage direct;
    QVERIFY(direct.loadFromData(stored));
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), direct.convertToFormat(QImage::Format_RGB32));

    // A second picture right after the first uses a file of its own; both go.
    QImage second;
    QVERIFY(LoadPictureFromField(second, encode(sample(5, 9), "BMP")));
    QCOMPARE(second.size(), QSize(5, 9));
    QVERIFY2(leftovers().isEmpty(), qPrintable(leftovers().join(QLatin1Char(' '))));
}

void TestPictureStore::failuresClearTheTarget_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("nothing stored") << QByteArray();
    QTest::newRow("not a picture") << QByteArray("this is not a picture at all");
    QTest::newRow("cut-off JPEG") << encode(sample(40, 40), "JPEG").left(20);
}

void TestPictureStore::failuresClearTheTarget()
{
    QFETCH(QByteArray, stored);
    QImage target = sample(3, 3);
    QVERIFY(!LoadPictureFromField(target, stored));
    QVERIFY(target.isNull());
    QVERIFY2(leftovers().isEmpty(), qPrintable(leftovers().join(QLatin1Char(' '))));
}

void TestPictureStore::noTempFolder()
{
    SetTempFolder(m_temp.filePath(QStringLiteral("missing/deeper")));
    QVERIFY(GetTempFileWithPrefix(QStringLiteral("TMP")).isEmpty());
    QImage target = sample(2, 2);
    QVERIFY(!LoadPictureFromField(target, encode(sample(4, 4), "BMP")));
    QVERIFY(target.isNull());

    bool ok = true;
    QVERIFY(SavePictureData(m_temp.filePath(QStringLiteral("absent.jpg")), &ok).isEmpty());
    QVERIFY(!ok);
}

void TestPictureStore::halfTurnOfExactSize()
{
    for (QSize size : {QSize(1, 1), QSize(7, 4), QSize(30, 51)}) {
        const QImage card = sample(size.width(), size.height());
        const QImage turned = TurnPictureHalf(card, size, Qt::white);
        QCOMPARE(turned.size(), size);
        QCOMPARE(turned, card.mirrored(true, true));
    }
    QCOMPARE(TurnPictureHalf(QImage(), QSize(3, 2), Qt::green).pixel(1, 1), QColor(Qt::green).rgb());
    QVERIFY(TurnPictureHalf(sample(3, 3), QSize(0, 5)).isNull());
}

void TestPictureStore::halfTurnStretchesToTheBox_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("box");
    QTest::newRow("narrower") << QSize(4, 6) << QSize(10, 6);
    QTest::newRow("wider") << QSize(14, 6) << QSize(10, 6);
    QTest::newRow("taller") << QSize(5, 12) << QSize(8, 6);
    QTest::newRow("shorter") << QSize(5, 3) << QSize(5, 6);
}

void TestPictureStore::halfTurnStretchesToTheBox()
{
    // The height is stretched to the box, the width kept: background ends up
    // on the left of a narrower picture, a wider one loses its right part
    // (which after the turn would have been on the left).
    QFETCH(QSize, picture);
    QFETCH(QSize, box);
    // Red follows the column; green marks the picture's top half (0) and
    // bottom half (255).
    QImage card(picture, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            card.setPixel(x, y, qRgb(x * 17, y < picture.height() / 2 ? 0 : 255, 9));
    const QImage turned = TurnPictureHalf(card, box, Qt::white);
    QCOMPARE(turned.size(), box);
    const int shown = std::min(picture.width(), box.width());
    // Red depends on the column only: every column is the mirrored one, or
    // background where the picture does not reach.
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x) {
            const int fromRight = box.width() - 1 - x;
            if (fromRight >= shown)
                QCOMPARE(turned.pixel(x, y), QColor(Qt::white).rgb());
            else
                QCOMPARE(qRed(turned.pixel(x, y)), qRed(card.pixel(fromRight, 0)));
        }
    // Top to bottom: the box's first row shows the picture's last row.
    QCOMPARE(qGreen(turned.pixel(box.width() - 1, 0)), 255);
    QCOMPARE(qGreen(turned.pixel(box.width() - 1, box.height() - 1)), 0);
}

QTEST_GUILESS_MAIN(TestPictureStore)
#include "test_picture_store.moc"
