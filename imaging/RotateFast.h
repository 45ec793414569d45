#pragma once

// Internal to the rotation: raster views shared by the bitmap and QImage entry
// points, and the two fast ways of turning a picture.
//
//  - Quarter and half turns permute pixels directly.
//  - Under every other rotation each destination pixel's preimage is the same
//    turned unit square, moved by a constant step along a destination row. Its
//    exact overlaps with the (at most 3 x 3) source pixels under it follow in
//    closed form from where it lies in its first source pixel, so every
//    destination pixel is one weighted sum of those source pixels, written
//    once, with no clipping of pixel pairs.

#include "imaging/Rotate.h"

#include <QtGlobal>

namespace kestrune::imaging::fast {

// Read-only 32-bit pixels (0xUURRGGBB words); the unused byte is ignored.
struct SourceView {
    const quint32* data = nullptr;
    qsizetype stride = 0; // words per row
    int width = 0;
    int height = 0;
    quint32 at(int x, int y) const { return data[x + y * stride] & 0x00ffffffu; }
};

// Writable 32-bit pixels; every written pixel gets `fillBits` in its unused byte
// (0 for Bitmap, 0xff000000 for QImage::Format_RGB32).
struct DestView {
    quint32* data = nullptr;
    qsizetype stride = 0;
    int width = 0;
    int height = 0;
    quint32 fillBits = 0;
    quint32* row(int y) const { return data + y * stride; }
};

// Quarter turns anticlockwise (0..3) when the turned corners (cosine c, and n,
// the cosine of the angle plus 90 degrees) land on whole-numbered positions to
// well within the snapping tolerance for a W x H picture; -1 otherwise.
int QuarterTurnOf(double c, double n, int W, int H);

// Destination size of a quarter turn.
inline int QuarterWidth(int turn, int W, int H) { return (turn & 1) ? H : W; }
inline int QuarterHeight(int turn, int W, int H) { return (turn & 1) ? W : H; }

// Permutes the source into dst (already filled with the background, sized by
// QuarterWidth/Height), calling the callback once per source column. A stop
// returns false; dst may then hold part of the picture and must be refilled.
bool RotateQuarter(const SourceView& src, int turn, const ProgressCallback& callback, const DestView& dst);

// The exact area-weighted rotation for cosine c and n; X, Y are the turned
// corners translated so their minimum is 0 (dst is sized to them and holds the
// background). Calls the callback once per source column, the calls spread
// evenly over the destination rows; pixels are written as the rows are done,
// so after a stop (false) dst holds part of the picture and must be refilled.
// When `coverageSum` is given it receives the total coverage (the picture's
// area, up to rounding). Turns more than 45 degrees from upright are done on a
// quarter-turned copy of the source (a temporary of the source's size).
bool RotateGeneral(const SourceView& src, double c, double n, const double X[4], const double Y[4],
                   const ProgressCallback& callback, const DestView& dst, double* coverageSum = nullptr);

// The general rotation uses 256-bit vectors when the processor has them; tests
// switch them off to check the 128-bit code too.
void UseWideVectors(bool allowed);
bool WideVectorsInUse();

} // namespace kestrune::imaging::fast
