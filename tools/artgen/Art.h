#pragma once

// Drawing of every picture the program shows: the 78 card faces, the card
// back, the spread layout pictures, the two window backgrounds and the icon.
// Everything is painted from vector shapes and installed fonts, so a build
// always produces the same pictures.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace kestrune::art {

// Card face size in pixels. Table boxes stand 2200 twips (about 146 px)
// apart across and 3700 twips (about 246 px) apart down, so a card must stay
// below those; the Celtic Cross crossing card lies on its side across card 1.
constexpr int kCardWidth = 130;
constexpr int kCardHeight = 225;
// Spread layout pictures fill the 2175 x 3735 twip preview box.
constexpr int kSpreadWidth = 145;
constexpr int kSpreadHeight = 249;
// The manual window's face-down boxes are 350 x 600 twips.
constexpr int kBackWidth = 23;
constexpr int kBackHeight = 40;

enum class Suit { Cups, Pentacles, Swords, Wands };

struct Palette {
    QColor frame;      // the coloured border
    QColor frameLine;  // the thin gilt line inside the border
    QColor groundTop;  // picture window gradient, top
    QColor groundLow;  // picture window gradient, bottom
    QColor ink;        // outlines and index text
    QColor band;       // name ribbon
    QColor bandInk;    // name text
};

Palette MajorPalette();
Palette SuitPalette(Suit suit);

// One card face, drawn from the catalogue name of the card.
QImage DrawCard(int cardIndex);

// The emblem of a major arcanum (by traditional number 0..21) inside r.
void DrawMajorEmblem(QPainter& p, int number, const QRectF& r);
// The sky behind a major arcanum's emblem.
void MajorSky(int number, QColor& top, QColor& low);

// A suit emblem standing upright, centred in r and as large as fits.
void DrawSuitEmblem(QPainter& p, Suit suit, const QRectF& r);
// The size ratio (width / height) a suit emblem is drawn at.
double SuitEmblemAspect(Suit suit);
// The mark of a court rank: 0 Page, 1 Knight, 2 Queen, 3 King.
void DrawCourtMark(QPainter& p, int court, Suit suit, const QRectF& r);

// The preview picture of the spread at list position 0..7.
QImage DrawSpreadPicture(int listPosition);
QImage DrawCardBack();
QImage DrawQuerentBackground();
QImage DrawSpreadBackground();
QImage DrawIcon(int size);

// Shared drawing helpers.
QPainterPath StarPath(QPointF centre, double outer, double inner, int points, double turnDegrees = -90);
void FitText(QPainter& p, const QRectF& r, const QString& text, const QString& family, int weight,
             int maxPixels, int minPixels, QColor colour, int flags);

} // namespace kestrune::art
