#include "widgets/TextCursorSink.h"

#include "reading/Composer.h"
#include "reading/RecordingSink.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTest>

using namespace kestrune;
using namespace kestrune::reading;
using widgets::TextCursorSink;

namespace {

struct Case {
    QString spread;
    int count;
    QList<CardIndex> drawn;
    QList<CardIndex> reversed;
};

void compose(RichTextSink& sink, const Case& c)
{
    WriteReadingHeader(sink, c.spread);
    WriteReading(sink, c.spread, c.count, c.drawn, c.reversed);
}

// Per character of the text with single "\n" breaks: 1 bold, 2 underlined.
QList<int> recordedFlags(const RecordingSink& sink)
{
    QList<int> flags;
    const QString& text = sink.text();
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            continue;
        flags.append((sink.isBold(i) ? 1 : 0) | (sink.isUnderlined(i) ? 2 : 0));
    }
    return flags;
}

QList<int> documentFlags(const QTextDocument& doc)
{
    QList<int> flags;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const int flag = (f.charFormat().fontWeight() >= QFont::Bold ? 1 : 0)
                | (f.charFormat().fontUnderline() ? 2 : 0);
            for (int i = 0; i < f.length(); ++i)
                flags.append(flag);
        }
        if (block.next().isValid())
            flags.append(-1); // the break
    }
    return flags;
}

} // namespace

Q_DECLARE_METATYPE(Case)

class TestTextCursorSink : public QObject {
    Q_OBJECT

private slots:
    // The box holds what the composer wrote, with the same bold, underline
    // and centring as the recording.
    void matchesTheRecording_data()
    {
        QTest::addColumn<Case>("reading");
        QTest::newRow("one card") << Case{QStringLiteral("One Card"), 1, {6}, {}};
        QTest::newRow("celtic reversed")
            << Case{QStringLiteral("Celtic Cross"), 10, {0, 11, 20, 26, 27, 5, 6, 7, 8, 77}, {0, 26, 77}};
        QTest::newRow("wheel") << Case{QStringLiteral("Wystran Wheel Spread(Tasmerin)"), 5, {1, 2, 3, 4, 5}, {3}};
        QTest::newRow("unknown spread") << Case{QStringLiteral("-1"), -1, {}, {}};
    }

    void matchesTheRecording()
    {
        QFETCH(Case, reading);
        RecordingSink recording;
        compose(recording, reading);

        QTextDocument doc;
        TextCursorSink sink(&doc);
        compose(sink, reading);

        QCOMPARE(doc.toPlainText(), recording.textWithNewlines());
        QCOMPARE(TextCursorSink::ComposedText(doc), recording.text());
        QCOMPARE(doc.blockCount(), recording.paragraphs().size());

        const QList<int> expected = recordedFlags(recording);
        const QList<int> actual = documentFlags(doc);
        QCOMPARE(actual.size(), expected.size());
        for (int i = 0; i < actual.size(); ++i) {
            if (actual[i] >= 0)
                QVERIFY2(actual[i] == expected[i], qPrintable(QStringLiteral("at %1").arg(i)));
        }

        const QList<RecordingSink::Alignment> align = recording.paragraphAlignments();
        int b = 0;
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next(), ++b) {
            const bool centred = block.blockFormat().alignment() & Qt::AlignHCenter;
            QVERIFY2(centred == (align[b] == RecordingSink::Alignment::Centre), qPrintable(block.text()));
            // Rule lines, and only they, draw a ruler across the box.
            const bool ruler = block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
            QCOMPARE(ruler, block.text() == ruleLine());
        }
    }

    // On a box, the body continues at its insertion point and leaves it behind
    // the inserted text; toEnd() moves it to the end first.
    void writesAtTheBoxInsertionPoint()
    {
        QTextEdit edit;
        edit.setPlainText(QStringLiteral("head tail"));
        QTextCursor caret = edit.textCursor();
        caret.setPosition(5);
        edit.setTextCursor(caret);

        TextCursorSink sink(&edit);
        sink.boldOn();
        sink.insert(QStringLiteral("mid\r\n"));
        sink.boldOff();
        QCOMPARE(edit.toPlainText(), QStringLiteral("head mid\ntail"));
        QCOMPARE(edit.textCursor().position(), 9);

        // A caret moved by someone else between calls is respected.
        caret = edit.textCursor();
        caret.setPosition(0);
        edit.setTextCursor(caret);
        sink.insert(QStringLiteral(">"));
        QCOMPARE(edit.toPlainText(), QStringLiteral(">head mid\ntail"));

        sink.toEnd();
        sink.insert(QStringLiteral("!"));
        QCOMPARE(edit.toPlainText(), QStringLiteral(">head mid\ntail!"));
        QTextCursor probe(edit.document());
        probe.setPosition(8); // behind "mid"
        QVERIFY(probe.charFormat().fontWeight() >= QFont::Bold);
        probe.movePosition(QTextCursor::End); // behind "!"
        QVERIFY(probe.charFormat().fontWeight() < QFont::Bold);
    }

    // The box's own font stays; only weight and underline change.
    void keepsTheBoxFont()
    {
        QTextEdit edit;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(9.75);
        edit.document()->setDefaultFont(font);
        QTextCharFormat format;
        format.setForeground(Qt::blue);
        edit.setCurrentCharFormat(format);
        TextCursorSink sink(&edit);
        sink.underlineOn();
        sink.insert(QStringLiteral("x"));
        QTextCursor probe(edit.document());
        probe.setPosition(1);
        QVERIFY(probe.charFormat().fontUnderline());
        QCOMPARE(probe.charFormat().foreground().color(), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestTextCursorSink)
#include "test_text_cursor_sink.moc"
