#pragma once

// Anti-aliased picture rotation.
//
// A source raster is mapped onto an arbitrary convex quadrilateral: every
// source pixel lands on the small quadrilateral it occupies in the destination,
// and every destination pixel receives the colours of the source pixels that
// overlap it, weighted by the exact overlapping area. Rotations turn the four
// corners of the picture about its centre and map onto the result. The result
// is anti-aliased at any angle and a pure rearrangement of pixels at quarter
// and half turns.
//
// Everything runs on the calling (user-interface) thread; the progress callback
// runs once per source column and the windows' callback lets pending events be
// handled there. A rotation started from such an event while another one runs
// is refused (it returns no picture), because the clipping storage is shared.
//
// The one call the windows need:
//     bool ok = false;
//     QImage turned = kestrune::imaging::RotatePicture(card, 180.0, qRgb(0, 0, 0), &ok);

#include <QImage>
#include <QRgb>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kestrune::imaging {

// ---- Raster types ----------------------------------------------------------

// A colour value laid out 0x00BBGGRR (red in the low byte).
using ColorRef = quint32;

constexpr ColorRef RGBColor(int red, int green, int blue)
{
    return quint32(red & 0xff) | (quint32(green & 0xff) << 8) | (quint32(blue & 0xff) << 16);
}

// A plain 32-bit raster: rows from top to bottom, no padding; in memory every
// pixel is the bytes blue, green, red, unused, which read as a little-endian
// 32-bit word is 0xUURRGGBB. The rotation always writes the unused byte as 0.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<quint32> pixels; // width * height words, pixel (x, y) at x + y * width

    Bitmap() = default;
    Bitmap(int w, int h, quint32 fill = 0);

    bool isValid() const
    {
        return width > 0 && height > 0 && pixels.size() == std::size_t(width) * std::size_t(height);
    }
    quint32 pixel(int x, int y) const { return pixels[std::size_t(x) + std::size_t(y) * std::size_t(width)]; }
    void setPixel(int x, int y, quint32 value) { pixels[std::size_t(x) + std::size_t(y) * std::size_t(width)] = value; }
    // Fills the rectangle [x0, x1) × [y0, y1), clipped to the bitmap, with a colour.
    void fillRect(int x0, int y0, int x1, int y1, ColorRef color);
};

// The pixel word (0x00RRGGBB) for a colour value (0x00BBGGRR), and back.
quint32 PixelFromColor(ColorRef color);
ColorRef ColorFromPixel(quint32 pixel);

// A picture object: a bitmap, or a kind of picture that holds none (an icon, a
// metafile, nothing at all). Only bitmap pictures can be turned.
enum class PictureType { None, Bitmap, Icon, Metafile };

struct Picture {
    PictureType type = PictureType::None;
    Bitmap bitmap; // meaningful only for PictureType::Bitmap

    static Picture fromBitmap(Bitmap bitmap)
    {
        Picture picture;
        picture.type = PictureType::Bitmap;
        picture.bitmap = std::move(bitmap);
        return picture;
    }
};

// Adapters to and from QImage. Any readable image becomes an opaque bitmap (its
// unused byte cleared, transparency flattened onto black); a null image yields
// an invalid bitmap. Bitmaps become QImage::Format_RGB32 images (whose unused
// byte Qt expects as 0xff).
Bitmap BitmapFromImage(const QImage& image);
QImage ImageFromBitmap(const Bitmap& bitmap);
// A null image is a picture of type None; any other image is a bitmap picture.
Picture PictureFromImage(const QImage& image);

// ---- Progress --------------------------------------------------------------

// Called after each source column with (fraction done, source columns done,
// source columns in all); any non-zero return stops the work.
using ProgressCallback = std::function<qint32(double fraction, qint32 done, qint32 total)>;

// The flag the windows' callback returns; the reading table clears it before
// every rotation, so a rotation it starts always runs to its end.
extern qint16 RotationCancel;

// The callback the reading tables pass: ignores its arguments, lets the
// windowing system handle pending events (platform::processPendingEvents) and
// returns RotationCancel.
qint32 RotationProgress(double fraction, qint32 done, qint32 total);

// True while a rotation or distortion is running (a nested one is refused).
bool RotationInProgress();

// ---- The simple entry point for the windows --------------------------------

// Turns a picture by angleDegrees (positive is anticlockwise on screen) about
// its centre onto a new picture of the turned picture's bounding size, with the
// uncovered parts in `background`; the callback is RotationProgress, so pending
// events are handled once per source column. Returns an opaque RGB32 image
// (transparent parts of the source count as black). A null source, an angle
// that is not a finite number, or a rotation started while another one runs
// gives a null image and *ok false. If the work stops before its end (the
// callback returned RotationCancel set), the result holds the background only
// and *ok is false.
QImage RotatePicture(const QImage& source, double angleDegrees, QRgb background = qRgb(0, 0, 0),
                     bool* ok = nullptr);

// ---- The rotation in its parts ---------------------------------------------

// A new picture holding `source` turned by `angle` degrees, or none when the
// source is not a bitmap picture (or a rotation is already running).
std::optional<Picture> RotatePicture(const Picture& source, double angle, const ProgressCallback& callback,
                                     ColorRef background);

// A new bitmap holding `source` turned by `angle` degrees, or none. A stop
// requested by the callback gives the full-size bitmap holding only the
// background. Quarter and half turns are done by permuting pixels.
std::optional<Bitmap> RotateBitmap(const Bitmap& source, double angle, const ProgressCallback& callback,
                                   ColorRef background);

// Maps `source` onto the quadrilateral with corners (X[k], Y[k]) — top-left,
// top-right, bottom-right, bottom-left of the source — on a new bitmap sized to
// the quadrilateral, filled with `background` first. The corner arrays must
// hold 4 values each (else none) and are translated in place so that their
// smallest coordinates become 0. On a failure inside (degenerate mapping, a
// stop) the new bitmap holds the background only.
std::optional<Bitmap> DistortToNewBitmap(const Bitmap& source, std::vector<double>& X, std::vector<double>& Y,
                                         const ProgressCallback& callback, ColorRef background);

// Maps `source` onto the quadrilateral (X[k], Y[k]) in `destination`, whose
// current pixels are the background. The corners' smallest coordinates must
// be 0. Returns false (leaving the destination untouched) for corner arrays
// without 4 values, invalid bitmaps, a degenerate mapping, a stop requested by
// the callback, or a rotation already running.
bool DistortBitmap(const Bitmap& source, Bitmap& destination, const std::vector<double>& X,
                   const std::vector<double>& Y, const ProgressCallback& callback);

// ---- Geometry helpers ------------------------------------------------------

struct PointD {
    double x = 0.0;
    double y = 0.0;
};

// The destination position of every source pixel corner (j, k), 0 <= j <= W,
// 0 <= k <= H, stored at j + k * (W + 1). False for a degenerate quadrilateral.
bool BuildGrid(int W, int H, const std::vector<double>& X, const std::vector<double>& Y,
               std::vector<PointD>& grid);

// The area of the convex quadrilateral `quad` (already translated so that the
// destination pixel is the unit square [0,1] x [0,1]) that lies in the unit
// square. Uses the shared clipping storage.
double CoverageArea(const std::array<PointD, 4>& quad);

// Whether p lies in (or on the boundary of) the convex quadrilateral `quad`.
bool PointInQuad(const std::array<PointD, 4>& quad, PointD p);

// Orders collected polygon points as vectors from the first one so that
// consecutive vectors turn the same way; vectors of length zero (a point
// collected twice) are left out, as they carry no area.
std::vector<PointD> OrderPolygon(const std::vector<PointD>& points);

// Half the absolute sum of the cross products of consecutive ordered vectors.
double PolygonArea(const std::vector<PointD>& ordered);

// Cosine of an angle in degrees, exact for 0, 30, ..., 360.
double CosDeg(double degrees);

// Floor and ceiling that snap values within 1e-9 of a whole number onto it.
qint32 FloorSnap(double x);
qint32 CeilSnap(double x);

// Rounds half to even and clamps to 0..255.
int ClampByte(double v);

} // namespace kestrune::imaging
