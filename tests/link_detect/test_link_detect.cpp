// Web-address detection in a rich-text box: what counts as an address, which
// mouse action opens it, and the one-box-at-a-time enable/disable rules.

#include "widgets/LinkDetect.h"

#include "platform/Dialogs.h"
#include "platform/Seams.h"

#include <QTextEdit>
#include <QtTest>

#include <memory>

using namespace kestrune;
using widgets::LinkRange;

namespace {

const QString kText = QStringLiteral("Visit\nhttp://forum.example.org today, or www.example.com.\nplain words");

// A point over the middle of character `pos` of the box.
QPoint pointAt(QTextEdit* box, int pos)
{
    QTextCursor c(box->document());
    c.setPosition(pos);
    const QRect left = box->cursorRect(c);
    c.setPosition(pos + 1);
    const QRect right = box->cursorRect(c);
    return QPoint((left.x() + right.x()) / 2, left.center().y());
}

} // namespace

class TestLinkDetect : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        platform::resetSeams();
        m_dialogs.clear();
        platform::setDialogs(&m_dialogs);
        m_box = std::make_unique<QTextEdit>();
        m_box->setPlainText(kText);
        m_box->resize(500, 200);
        m_box->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_box.get()));
    }
    void cleanup()
    {
        widgets::DisableUrlDetect();
        m_box.reset();
        platform::setDialogs(nullptr);
    }

    void findsAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("addresses");
        QTest::newRow("scheme, ends at space") << QStringLiteral("Visit http://forum.example.org now")
                                               << QStringList{QStringLiteral("http://forum.example.org")};
        QTest::newRow("sentence full stop is not part of it")
            << QStringLiteral("online at http://forum.example.org. The best")
            << QStringList{QStringLiteral("http://forum.example.org")};
        QTest::newRow("ends at line break") << QStringLiteral("http://forum.example.org \r\nNow")
                                            << QStringList{QStringLiteral("http://forum.example.org")};
        QTest::newRow("www and https with query")
            << QStringLiteral("www.example.com, and (https://a.example/b?c=1)")
            << QStringList{QStringLiteral("www.example.com"), QStringLiteral("https://a.example/b?c=1")};
        QTest::newRow("upper case, mailto, ftp")
            << QStringLiteral("HTTP://UP.EXAMPLE mailto:me@example.org ftp://f.example/x")
            << QStringList{QStringLiteral("HTTP://UP.EXAMPLE"), QStringLiteral("mailto:me@example.org"),
                           QStringLiteral("ftp://f.example/x")};
        QTest::newRow("bare domain is no address") << QStringLiteral("forum.example.org the most popular")
                                                   << QStringList{};
        QTest::newRow("scheme alone") << QStringLiteral("http: and www. and http://") << QStringList{};
        QTest::newRow("inside a word") << QStringLiteral("xhttp://no.example") << QStringList{};
    }
    void findsAddresses()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, addresses);
        QStringList found;
        for (const LinkRange& r : widgets::FindWebAddresses(text))
            found << text.mid(r.start, r.length);
        QCOMPARE(found, addresses);
    }

    void onlyLeftPressOpensALink()
    {
        widgets::EnableUrlDetect(m_box.get(), nullptr);
        QVERIFY(widgets::IsUrlDetectOn());
        QCOMPARE(widgets::MarkedLinks().size(), 2);
        QWidget* viewport = m_box->viewport();
        const int link = kText.indexOf(QStringLiteral("forum"));
        const QPoint onLink = pointAt(m_box.get(), link);
        const QPoint onLastChar = pointAt(m_box.get(), kText.indexOf(QStringLiteral(".org")) + 3);
        const QPoint onPlain = pointAt(m_box.get(), kText.indexOf(QStringLiteral("words")));

        QTest::mousePress(viewport, Qt::RightButton, {}, onLink);
        QTest::mouseRelease(viewport, Qt::RightButton, {}, onLink);
        QTest::mouseMove(viewport, onLink);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, onLink);
        QTest::mousePress(viewport, Qt::LeftButton, {}, onPlain);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, onPlain);
        QVERIFY(m_dialogs.openedUrls.isEmpty());

        QTest::mousePress(viewport, Qt::LeftButton, {}, onLink);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, onLink);
        QTest::mousePress(viewport, Qt::LeftButton, {}, onLastChar);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, onLastChar);
        const QList<QUrl> expected(2, QUrl(QStringLiteral("http://forum.example.org")));
        QCOMPARE(m_dialogs.openedUrls, expected);

        // "www." addresses open as web pages.
        const QPoint onWww = pointAt(m_box.get(), kText.indexOf(QStringLiteral("www")) + 2);
        QTest::mousePress(viewport, Qt::LeftButton, {}, onWww);
        QCOMPARE(m_dialogs.openedUrls.last(), QUrl(QStringLiteral("http://www.example.com")));
    }

    void marksFollowTheText()
    {
        widgets::EnableUrlDetect(m_box.get(), nullptr);
        QTextCursor c(m_box->document());
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral(" https://new.example/x"));
        QCOMPARE(widgets::MarkedLinks().size(), 3);
        m_box->clear();
        QVERIFY(widgets::MarkedLinks().isEmpty());
        QVERIFY(m_box->extraSelections().isEmpty());
    }

    void secondBoxIsIgnoredAndDisableIsHarmless()
    {
        QTextEdit other;
        other.setPlainText(kText);
        other.resize(500, 200);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));

        widgets::EnableUrlDetect(m_box.get(), nullptr);
        widgets::EnableUrlDetect(&other, nullptr);
        QCOMPARE(widgets::UrlDetectBox(), m_box.get());
        QVERIFY(other.extraSelections().isEmpty());
        QTest::mousePress(other.viewport(), Qt::LeftButton, {}, pointAt(&other, kText.indexOf(QStringLiteral("forum"))));
        QVERIFY(m_dialogs.openedUrls.isEmpty());

        widgets::DisableUrlDetect();
        widgets::DisableUrlDetect();
        QVERIFY(!widgets::IsUrlDetectOn());
        QVERIFY(m_box->extraSelections().isEmpty());
        QTest::mousePress(m_box->viewport(), Qt::LeftButton, {},
                          pointAt(m_box.get(), kText.indexOf(QStringLiteral("forum"))));
        QVERIFY(m_dialogs.openedUrls.isEmpty());

        // Once off, another box can have it.
        widgets::EnableUrlDetect(&other, nullptr);
        QCOMPARE(widgets::UrlDetectBox(), &other);
        QCOMPARE(other.extraSelections().size(), 2);
        widgets::DisableUrlDetect();
    }

    void destroyedBoxTurnsDetectionOff()
    {
        widgets::EnableUrlDetect(m_box.get(), nullptr);
        m_box.reset();
        QVERIFY(!widgets::IsUrlDetectOn());
        QTextEdit next;
        widgets::EnableUrlDetect(&next, nullptr);
        QCOMPARE(widgets::UrlDetectBox(), &next);
    }

    void longLinkIsCut()
    {
        const QString address = QStringLiteral("http://long.example/") + QString(1500, QLatin1Char('a'));
        m_box->setPlainText(address);
        widgets::EnableUrlDetect(m_box.get(), nullptr);
        QTest::mousePress(m_box->viewport(), Qt::LeftButton, {}, pointAt(m_box.get(), 3));
        QCOMPARE(m_dialogs.openedUrls.size(), 1);
        QCOMPARE(m_dialogs.openedUrls.first().toString(), address.left(widgets::kLinkBufferLength));
    }

private:
    platform::RecordingDialogs m_dialogs;
    std::unique_ptr<QTextEdit> m_box;
};

QTEST_MAIN(TestLinkDetect)
#include "test_link_detect.moc"
