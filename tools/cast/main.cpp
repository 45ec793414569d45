// kestrune-cast: casts a reading (or lays out given cards) and prints the text
// the reading window's box would hold, or a standalone HTML page of it.

#include "tools/cast/CastOptions.h"

#include "reading/Composer.h"
#include "reading/Draw.h"
#include "reading/RecordingSink.h"
#include "spreads/Spreads.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

using namespace kestrune;

namespace {

// Writes everything to standard output and makes sure it got there: a full
// disk, a closed output or a reader that went away is a failure, told on
// standard error, never an exit 0.
int print(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    int error = errno;
    if (std::fflush(stdout) != 0 && error == 0)
        error = errno;
    if (written && !std::ferror(stdout))
        return 0;
    std::fprintf(stderr, "kestrune-cast: cannot write to standard output: %s\n",
                 error != 0 ? std::strerror(error) : "write failed");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // A reader that closed the pipe shows as a failed write, with a message,
    // rather than as a silent end by signal.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    const cast::ParseResult parsed = cast::ParseCastArguments(arguments);
    QTextStream err(stderr);
    if (parsed.helpShown)
        return print(parsed.helpText);
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

    if (request.format == cast::OutputFormat::Html)
        return print(sink.toHtml(QStringLiteral("Kestrune - ") + spread->name));
    return print(sink.textWithNewlines());
}
