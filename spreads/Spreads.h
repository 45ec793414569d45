#pragma once

// The eight spreads: their names (the key everywhere, compared exactly and
// case-sensitively), texts, positions and where each position lies on the table.

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrune::spreads {

enum class PositionStyle { Inline, Block };

struct Spread {
    QString name;           // the list text and key, e.g. "Celtic Cross"
    int listPosition;       // 0..7, MaxCardInSet
    QString menuObjectName; // e.g. "mnuCeltic"
    QString menuCaption;    // e.g. "&Celtic Cross"
    int cardCount;
    QString reportHeading;  // e.g. "Spread Type - Celtic Cross Spread"
    QString description;
    PositionStyle style;
    QStringList titles;     // PositionTitle(0..cardCount-1)
    QStringList texts;      // PositionText(0..cardCount-1)

    QString PositionTitle(int position) const;  // empty outside the spread
    QString PositionText(int position) const;
    QString PreviewPicturePath() const;         // <application folder>/pic/c<listPosition>.jpg
    QString PreviewPicturePath(const QString& applicationFolder) const;
};

constexpr int kSpreadCount = 8;

// All eight spreads in list order (index == listPosition).
const QList<Spread>& AllSpreads();

// The spread whose name equals the text exactly, or nullptr.
const Spread* FindSpread(const QString& name);
// The spread at list position 0..7, or nullptr.
const Spread* SpreadAtListPosition(int listPosition);
// Title and text joined by the spread's style (inline: title then text; block:
// title, CR LF, text); empty outside the spread.
QString PositionGuidance(const Spread& spread, int position);

// The menu of the spread window: entries in menu order (Wystran before Line),
// each with the text it passes to the list's case-insensitive lookup.
struct MenuEntry {
    QString objectName;
    QString caption;
    QString listText;
};
QList<MenuEntry> SpreadMenu();
// The list position whose text equals the given one ignoring case, or -1.
int ListPositionIgnoringCase(const QString& text);

// Table layout, in twips from the table's top-left corner to a card box's
// top-left corner. The crossing card is Celtic Cross position 1.
// PositionPlacement gives QPoint(0, 0) for a position the spread does not have;
// FindPlacement tells such a position apart (the box is then not moved).
QPoint PositionPlacement(int listPosition, int position);
std::optional<QPoint> FindPlacement(int listPosition, int position);
bool IsCrossingPosition(int listPosition, int position);
// Number label offset inside its card box (lbl(6) sits at 120, 0).
QPoint LabelOffset(int position);

// The table's client area and the number labels, in twips. A label shows the
// position number (index + 1) in Arial Black 14.25 pt, weight 900, magenta, on
// a transparent background.
constexpr QSize kTableSize(11805, 27225);
constexpr QSize kLabelSize(615, 495);
constexpr int kTableBoxCount = 10;
// The angle the crossing card is turned by (anticlockwise on screen).
constexpr int kCrossingAngle = 90;
// The angle a reversed card is turned by.
constexpr int kReversedAngle = 180;

} // namespace kestrune::spreads
