#include "widgets/LinkDetect.h"

#include "platform/Dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

#include <memory>

namespace kestrune::widgets {

namespace {

// Marks our extra selections so that those of others stay untouched.
constexpr int kLinkMarkProperty = QTextFormat::UserProperty + 0x4c4b;

class UrlDetectFilter;

struct DetectState {
    QPointer<QTextEdit> box;
    QPointer<QWidget> parent;
    std::unique_ptr<UrlDetectFilter> filter; // detection is on exactly while this exists
    QMetaObject::Connection contentsChanged;
    QMetaObject::Connection boxDestroyed;
    QList<LinkRange> links;
};

DetectState& state()
{
    static DetectState s;
    return s;
}

void applyMarks(QTextEdit* box, const QList<LinkRange>& links)
{
    QList<QTextEdit::ExtraSelection> kept;
    for (const QTextEdit::ExtraSelection& sel : box->extraSelections()) {
        if (!sel.format.hasProperty(kLinkMarkProperty))
            kept.append(sel);
    }
    for (const LinkRange& link : links) {
        QTextEdit::ExtraSelection sel;
        sel.cursor = QTextCursor(box->document());
        sel.cursor.setPosition(link.start);
        sel.cursor.setPosition(link.start + link.length, QTextCursor::KeepAnchor);
        sel.format.setForeground(QColor(0, 0, 255));
        sel.format.setFontUnderline(true);
        sel.format.setProperty(kLinkMarkProperty, true);
        kept.append(sel);
    }
    box->setExtraSelections(kept);
}

void remark()
{
    DetectState& s = state();
    if (!s.box)
        return;
    s.links = FindWebAddresses(s.box->document()->toPlainText());
    applyMarks(s.box, s.links);
}

// The document position of the character under a point of the box's viewport,
// or -1 when the point is not over text.
int characterAt(QTextEdit* box, const QPoint& viewportPos)
{
    const QPointF docPos = QPointF(viewportPos)
        + QPointF(box->horizontalScrollBar()->value(), box->verticalScrollBar()->value());
    const int pos = box->document()->documentLayout()->hitTest(docPos, Qt::ExactHit);
    if (pos < 0)
        return -1;
    // hitTest answers the nearest cursor position: for a point on the right
    // half of a character that is the position behind it.
    if (pos > 0) {
        QTextCursor c(box->document());
        c.setPosition(pos);
        const QRect r = box->cursorRect(c);
        if (viewportPos.x() < r.left() && viewportPos.y() >= r.top() && viewportPos.y() < r.bottom() + 1)
            return pos - 1;
    }
    return pos;
}

void openLinkAt(QTextEdit* box, const QPoint& viewportPos)
{
    const int pos = characterAt(box, viewportPos);
    if (pos < 0)
        return;
    for (const LinkRange& link : state().links) {
        if (pos >= link.start && pos < link.start + link.length) {
            const QString text =
                box->document()->toPlainText().mid(link.start, qMin(link.length, kLinkBufferLength));
            // A failing shell action is ignored.
            platform::dialogs().openUrl(QUrl::fromUserInput(text));
            return;
        }
    }
}

class UrlDetectFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* me = static_cast<QMouseEvent*>(event);
            QTextEdit* box = state().box;
            if (box && watched == box->viewport() && me->button() == Qt::LeftButton)
                openLinkAt(box, me->position().toPoint());
        }
        return false; // the box goes on handling the press
    }
};

void turnOff()
{
    DetectState& s = state();
    QObject::disconnect(s.contentsChanged);
    QObject::disconnect(s.boxDestroyed);
    if (s.box) {
        s.box->viewport()->removeEventFilter(s.filter.get());
        s.links.clear();
        applyMarks(s.box, {});
    }
    s.filter.reset();
    s.box = nullptr;
    s.parent = nullptr;
    s.links.clear();
}

} // namespace

QList<LinkRange> FindWebAddresses(const QString& text)
{
    static const QRegularExpression start(
        QStringLiteral("(?<![\\w.@/-])(?:(?:https?|ftp|file|gopher|nntp|prospero|telnet|news|wais|mailto):|www\\.)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QString trailing = QStringLiteral(".,;:!?'\")]}>");
    QList<LinkRange> found;
    int from = 0;
    while (from < text.size()) {
        const QRegularExpressionMatch m = start.match(text, from);
        if (!m.hasMatch())
            break;
        const int begin = m.capturedStart();
        int end = m.capturedEnd();
        while (end < text.size() && !text.at(end).isSpace() && text.at(end) != QChar::ParagraphSeparator
               && text.at(end) != QChar::LineSeparator)
            ++end;
        int trimmed = end;
        while (trimmed > m.capturedEnd() && trailing.contains(text.at(trimmed - 1)))
            --trimmed;
        // A scheme or "www." with nothing behind it (but slashes) is no address.
        bool hasBody = false;
        for (int i = m.capturedEnd(); i < trimmed && !hasBody; ++i)
            hasBody = text.at(i) != QLatin1Char('/');
        if (hasBody)
            found.append({begin, trimmed - begin});
        from = end;
    }
    return found;
}

void EnableUrlDetect(QTextEdit* box, QWidget* parent)
{
    DetectState& s = state();
    if (s.filter || !box)
        return;
    s.filter = std::make_unique<UrlDetectFilter>();
    s.box = box;
    s.parent = parent;
    box->viewport()->installEventFilter(s.filter.get());
    s.contentsChanged = QObject::connect(box->document(), &QTextDocument::contentsChanged, [] { remark(); });
    s.boxDestroyed = QObject::connect(box, &QObject::destroyed, [] {
        DetectState& st = state();
        QObject::disconnect(st.contentsChanged);
        QObject::disconnect(st.boxDestroyed);
        st.filter.reset();
        st.box = nullptr;
        st.parent = nullptr;
        st.links.clear();
    });
    remark();
}

void DisableUrlDetect()
{
    if (!state().filter)
        return;
    turnOff();
}

bool IsUrlDetectOn() { return state().filter != nullptr; }
QTextEdit* UrlDetectBox() { return state().box; }
QList<LinkRange> MarkedLinks() { return state().links; }

} // namespace kestrune::widgets
