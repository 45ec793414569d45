// The pictures the build paints into the application folder: every file the
// program loads exists and decodes, the card size fits every table layout,
// cards tell upright from reversed, and painting is repeatable.

#include "deck/Deck.h"
#include "spreads/Spreads.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

using namespace kestrune;

namespace {

const QString kBin = QStringLiteral(KESTRUNE_BIN_DIR);
constexpr int kTwipsPerPixel = 15;

QImage Load(const QString& path)
{
    QImage img(path);
    return img.convertToFormat(QImage::Format_RGB32);
}

// Mean absolute difference per colour channel, 0..255; images of one size.
double MeanDifference(const QImage& a, const QImage& b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(pa[x]) - qRed(pb[x])) + std::abs(qGreen(pa[x]) - qGreen(pb[x])) +
                   std::abs(qBlue(pa[x]) - qBlue(pb[x]));
    }
    return double(sum) / (3.0 * a.width() * a.height());
}

QList<QImage> Cards()
{
    QList<QImage> cards;
    for (deck::CardIndex c = 0; c < deck::kCardCount; ++c)
        cards.append(Load(deck::CardPicturePath(kBin, c)));
    return cards;
}

// The card boxes of a spread on the table, in twips, for pictures of the given size.
QList<QRect> TableBoxes(int listPosition, QSize picture)
{
    const spreads::Spread* s = spreads::SpreadAtListPosition(listPosition);
    QList<QRect> boxes;
    for (int i = 0; s && i < s->cardCount; ++i) {
        const QSize px = spreads::IsCrossingPosition(listPosition, i) ? picture.transposed() : picture;
        boxes.append(QRect(spreads::PositionPlacement(listPosition, i), px * kTwipsPerPixel));
    }
    return boxes;
}

QByteArray FileDigest(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QStringList PaintedFiles()
{
    QStringList files;
    for (deck::CardIndex c = 0; c < deck::kCardCount; ++c)
        files << QDir(kBin).relativeFilePath(deck::CardPicturePath(kBin, c));
    for (int i = 0; i < spreads::kSpreadCount; ++i)
        files << QDir(kBin).relativeFilePath(spreads::SpreadAtListPosition(i)->PreviewPicturePath(kBin));
    files << QStringLiteral("pic/back.jpg") << QStringLiteral("pic/querent-bg.jpg")
          << QStringLiteral("pic/spread-bg.jpg");
    for (int size : {16, 22, 32, 48, 64, 128, 256})
        files << QStringLiteral("icons/kestrune-%1.png").arg(size);
    return files;
}

} // namespace

class TestArt : public QObject {
    Q_OBJECT

private slots:
    void cardPicturesDecodeAtOneSizeAndDiffer()
    {
        const QList<QImage> cards = Cards();
        for (int c = 0; c < cards.size(); ++c) {
            QVERIFY2(!cards[c].isNull(), qPrintable(deck::CardPicturePath(kBin, c)));
            QCOMPARE(cards[c].size(), cards[0].size());
        }
        // Portrait, as a card stands.
        QVERIFY(cards[0].height() > cards[0].width());
        for (int a = 0; a < cards.size(); ++a)
            for (int b = a + 1; b < cards.size(); ++b)
                QVERIFY2(MeanDifference(cards[a], cards[b]) > 2.0,
                         qPrintable(deck::CardName(a) + QStringLiteral(" looks like ") + deck::CardName(b)));
    }

    void reversedCardLooksReversed()
    {
        const QList<QImage> cards = Cards();
        for (int c = 0; c < cards.size(); ++c) {
            const QImage turned = cards[c].mirrored(true, true);
            QVERIFY2(MeanDifference(cards[c], turned) > 10.0, qPrintable(deck::CardName(c)));
        }
    }

    void cardSizeFitsEveryTableLayout()
    {
        const QSize card = Load(deck::CardPicturePath(kBin, 0)).size();
        QVERIFY(!card.isEmpty());
        const QRect table(0, 0, 11805, 27225);
        for (int s = 0; s < spreads::kSpreadCount; ++s) {
            const QList<QRect> boxes = TableBoxes(s, card);
            for (int i = 0; i < boxes.size(); ++i) {
                QVERIFY2(table.contains(boxes[i]), qPrintable(QStringLiteral("spread %1 card %2").arg(s).arg(i + 1)));
                for (int j = i + 1; j < boxes.size(); ++j) {
                    // Only the crossing card may lie on another: Celtic Cross card 1.
                    const bool crossing = s == 0 && i == 0 && j == 1;
                    if (!crossing)
                        QVERIFY2(!boxes[i].intersects(boxes[j]),
                                 qPrintable(QStringLiteral("spread %1 cards %2 and %3 overlap").arg(s).arg(i + 1).arg(j + 1)));
                }
            }
        }
        // The crossing card lies across card 1: wider than it on both sides,
        // while card 1 reaches above and below it.
        const QList<QRect> cross = TableBoxes(0, card);
        const QRect cover = cross[0], across = cross[1];
        QVERIFY(across.left() < cover.left() && across.right() > cover.right());
        QVERIFY(cover.top() < across.top() && cover.bottom() > across.bottom());
    }

    void spreadPicturesDecodeAndDiffer()
    {
        QList<QImage> pictures;
        for (int i = 0; i < spreads::kSpreadCount; ++i) {
            const QString path = spreads::SpreadAtListPosition(i)->PreviewPicturePath(kBin);
            pictures.append(Load(path));
            QVERIFY2(!pictures.last().isNull(), qPrintable(path));
            QCOMPARE(pictures.last().size(), pictures[0].size());
        }
        // The picture fits the 2175 x 3735 twip preview box.
        QVERIFY(pictures[0].width() * kTwipsPerPixel <= 2175);
        QVERIFY(pictures[0].height() * kTwipsPerPixel <= 3735);
        for (int a = 0; a < pictures.size(); ++a)
            for (int b = a + 1; b < pictures.size(); ++b)
                QVERIFY2(MeanDifference(pictures[a], pictures[b]) > 1.0, qPrintable(QStringLiteral("c%1 c%2").arg(a).arg(b)));
    }

    void backAndBackgroundsFitTheirWindows_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("card back, one face-down box") << QStringLiteral("pic/back.jpg") << QSize(350, 600) / 15;
        QTest::newRow("querent window") << QStringLiteral("pic/querent-bg.jpg") << QSize(5940, 5160) / 15;
        QTest::newRow("spread window") << QStringLiteral("pic/spread-bg.jpg") << QSize(8880, 5370) / 15;
    }

    void backAndBackgroundsFitTheirWindows()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QImage img = Load(kBin + QLatin1Char('/') + file);
        QVERIFY2(!img.isNull(), qPrintable(file));
        QCOMPARE(img.size(), size);
    }

    void iconsAreSquareWithTransparentCorners()
    {
        for (int size : {16, 22, 32, 48, 64, 128, 256}) {
            const QImage icon(kBin + QStringLiteral("/icons/kestrune-%1.png").arg(size));
            QVERIFY2(!icon.isNull(), qPrintable(QString::number(size)));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QVERIFY(qAlpha(icon.pixel(size / 2, size / 2)) > 200);
        }
    }

    void paintingAgainGivesTheSameFiles()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess gen;
        gen.start(kBin + QStringLiteral("/kestrune-artgen"),
                  {dir.path(), dir.filePath(QStringLiteral("sheet.png"))});
        QVERIFY(gen.waitForFinished(240000));
        QCOMPARE(gen.exitCode(), 0);
        for (const QString& file : PaintedFiles()) {
            const QByteArray built = FileDigest(kBin + QLatin1Char('/') + file);
            QVERIFY2(!built.isEmpty(), qPrintable(file));
            QVERIFY2(built == FileDigest(dir.filePath(file)), qPrintable(file));
        }
    }
};

QTEST_GUILESS_MAIN(TestArt)
#include "test_art.moc"
