#include "reading/Composer.h"

#include "deck/Deck.h"
#include "platform/AppInfo.h"
#include "spreads/Spreads.h"

namespace kestrune::reading {

namespace {

const QString& crlf()
{
    static const QString text = lineBreak();
    return text;
}

} // namespace

QString ruleLine() { return QString(512, QLatin1Char(' ')); }

void WriteReadingHeader(RichTextSink& sink, const QString& spreadName)
{
    const QString forumAddress = appinfo::forumAddress();

    sink.toEnd();
    sink.boldOn();
    sink.insert(appinfo::forumSiteName()
                + QStringLiteral(" the most popular online discussion forum. A place to learn, to share and to make "
                                 "new friends.")
                + crlf() + crlf());
    sink.boldOff();

    sink.boldOn();
    sink.centre();
    sink.insert(QStringLiteral("Visit ") + crlf());
    sink.boldOff();
    sink.boldOn();
    sink.insert(forumAddress + QStringLiteral(" ") + crlf());
    sink.boldOff();
    sink.boldOn();
    sink.insert(QStringLiteral("Now ") + crlf());
    sink.left();
    sink.boldOff();

    sink.underlineOn();
    sink.insert(ruleLine() + crlf());
    sink.underlineOff();

    const spreads::Spread* spread = spreads::FindSpread(spreadName);
    if (!spread)
        return;

    sink.boldOn();
    sink.insert(spread->reportHeading);
    sink.boldOff();

    switch (spread->listPosition) {
    case 1: // One Card
    case 2: // Two Cards
    case 3: // Three Cards
        sink.insert(crlf() + spread->description + crlf());
        break;
    case 5: // the wheel: an empty line between heading and description
        sink.insert(crlf());
        sink.insert(crlf() + spread->description);
        break;
    default:
        sink.insert(crlf() + spread->description);
        break;
    }
    sink.insert(crlf());

    sink.underlineOn();
    sink.insert(ruleLine() + crlf() + crlf());
    sink.underlineOff();
}

void ShowPositionTitle(RichTextSink& sink, const QString& spreadName, int position)
{
    const spreads::Spread* spread = spreads::FindSpread(spreadName);
    if (!spread || position < 0 || position >= spread->cardCount)
        return;
    sink.boldOn();
    sink.insert(spread->PositionTitle(position));
    sink.boldOff();
    if (spread->style == spreads::PositionStyle::Block)
        sink.insert(crlf() + spread->PositionText(position));
    else
        sink.insert(spread->PositionText(position));
}

void WriteReading(RichTextSink& sink, const QString& spreadName, int count, const QList<CardIndex>& drawn,
                  const QList<CardIndex>& reversed)
{
    // The name is copied once: the titles of every position compare with it.
    const QString name = spreadName;
    for (int i = 0; i < count; ++i) {
        const CardIndex c = i < drawn.size() ? drawn[i] : -1;
        if (deck::IsCardIndex(c)) {
            ShowPositionTitle(sink, name, i);

            const bool isReversed = reversed.contains(c);
            // Death reversed follows its position text after one line break only.
            const QString gap = (c == 0 && isReversed) ? crlf() : crlf() + crlf();
            sink.boldOn();
            sink.insert(gap + deck::CardHeading(c, isReversed));
            sink.boldOff();
            sink.insert(crlf() + deck::CardMeaning(c, isReversed));
        }
        sink.underlineOn();
        sink.insert(crlf() + ruleLine() + crlf());
        sink.underlineOff();
    }

    sink.boldOn();
    sink.insert(crlf() + QStringLiteral("Thank You for using Brellix. Come spend some time with us online at ")
                + appinfo::forumAddress()
                + QStringLiteral(". The best online discussion forum for every esoteric.") + crlf());
    sink.boldOff();
}

void WriteReading(RichTextSink& sink, const Reading& reading)
{
    WriteReading(sink, reading.Options.card, reading.Options.no, reading.DrawnCards, reading.ReversedCards);
}

} // namespace kestrune::reading
