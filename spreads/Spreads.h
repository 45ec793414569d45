#pragma once

// The eight spreads: their names (the key everywhere, compared exactly and
// case-sensitively), texts, positions and where each position lies on the table.

#include <QPoint>
#include <QString>
#include <QStringList>

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
QPoint PositionPlacement(int listPosition, int position);
bool IsCrossingPosition(int listPosition, int position);
// Number label offset inside its card box (lbl(6) sits at 120, 0).
QPoint LabelOffset(int position);

} // namespace kestrune::spreads
