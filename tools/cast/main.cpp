// kestrune-cast: casts a reading (or lays out given cards) and prints the text
// the reading window's box would hold, or a standalone HTML page of it.

#include "tools/cast/CastOptions.h"

#include "reading/Composer.h"
#include "reading/Draw.h"
#include "reading/RecordingSink.h"
#include "spreads/Spreads.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace kestrune;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    const cast::ParseResult parsed = cast::ParseCastArguments(arguments);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parsed.helpShown) {
        out << parsed.helpText;
        return 0;
    }
    if (!parsed.request) {
        err << "kestrune-cast: " << parsed.error << "\n";
        return 2;
    }
    const cast::CastRequest& request = *parsed.request;
    const spreads::Spread* spread = spreads::FindSpread(request.spreadName);

    reading::Reading r;
    r.Options.card = spread->name;
    r.Options.no = spread->cardCount;
    r.Options.MaxCardInSet = spread->listPosition;
    r.Options.hboo = request.majorOnly;
    r.Options.lboo = request.minorOnly;
    r.Options.rboo = request.allowReversed;
    r.Options.cmdAVal = true;

    if (request.cards) {
        r.DrawnCards = *request.cards;
        // Reversed cards listed in position order, as a deal appends them.
        for (reading::CardIndex c : r.DrawnCards)
            if (request.reversed.contains(c))
                r.ReversedCards.append(c);
    } else {
        // Exactly what the automatic table does for these choices.
        const auto variant = reading::SelectDrawVariant(r.Options);
        reading::DrawSpread(r, variant->set);
        if (variant->decidesReversal)
            reading::DecideAllReversals(r);
    }

    reading::RecordingSink sink;
    reading::WriteReadingHeader(sink, r.Options.card);
    reading::WriteReading(sink, r);

    out.setEncoding(QStringConverter::Utf8);
    if (request.format == cast::OutputFormat::Html)
        out << sink.toHtml(QStringLiteral("Kestrune - ") + spread->name);
    else
        out << sink.textWithNewlines();
    out.flush();
    return 0;
}
