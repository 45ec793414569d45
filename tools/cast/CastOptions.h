#pragma once

// The command line of kestrune-cast, parsed and checked without side effects.

#include "reading/Records.h"

#include <QStringList>

#include <optional>

namespace kestrune::cast {

enum class OutputFormat { Text, Html };

struct CastRequest {
    QString spreadName = QStringLiteral("One Card");
    bool majorOnly = false;
    bool minorOnly = false;
    bool allowReversed = true;
    std::optional<QList<reading::CardIndex>> cards; // --cards: the positions in order
    QList<reading::CardIndex> reversed;             // --reversed
    OutputFormat format = OutputFormat::Text;
};

struct ParseResult {
    std::optional<CastRequest> request; // none on bad input
    QString error;                      // the message for stderr
    bool helpShown = false;             // --help: print usage, exit 0
    QString helpText;
};

// Arguments without the program name.
ParseResult ParseCastArguments(const QStringList& arguments);

} // namespace kestrune::cast
