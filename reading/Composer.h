#pragma once

// Writes a reading as formatted text: the header (preamble, spread heading and
// description) and the body (per position its title and guidance, the card's
// heading and interpretation, a rule) and the closing line. The composer only
// appends; clearing the box and scrolling belong to the callers.

#include "reading/Records.h"
#include "reading/RichTextSink.h"

namespace kestrune::reading {

// One line break as the composer writes it.
inline QString lineBreak() { return QStringLiteral("\r\n"); }
// The separator line: 512 spaces, written underlined.
QString ruleLine();

// The header for the spread of that exact name; for a name that is no spread
// only the common preamble.
void WriteReadingHeader(RichTextSink& sink, const QString& spreadName);

// The title and guidance of one position of the named spread: title bold, then
// the text on the same line (inline spreads) or the next (block spreads).
// Nothing for an unknown spread or a position outside it.
void ShowPositionTitle(RichTextSink& sink, const QString& spreadName, int position);

// The body for positions 0 .. count-1. A position whose entry is missing or is
// no CardIndex gets no title and no card, only its rule line.
void WriteReading(RichTextSink& sink, const QString& spreadName, int count, const QList<CardIndex>& drawn,
                  const QList<CardIndex>& reversed);
// The body for a reading: its spread name, its count, its two lists.
void WriteReading(RichTextSink& sink, const Reading& reading);

} // namespace kestrune::reading
