#pragma once

// Window geometry is designed in twips (15 to a pixel at 96 dpi; Qt scales
// for high-DPI screens) and in the classic Windows fonts, mapped here onto
// fonts installed with the program's packages.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

namespace kestrune::platform {

constexpr int twips(int t) { return (t >= 0 ? t + 7 : t - 7) / 15; }
inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
inline QPoint twipPoint(int left, int top) { return QPoint(twips(left), twips(top)); }
inline int pixelsToTwips(int px) { return px * 15; }

// Places a child at a twip rectangle of its parent's client area.
inline void placeTwips(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(twipRect(left, top, width, height));
}

// A font by its design name: "MS Sans Serif" and "Verdana" map to DejaVu Sans,
// "Courier New" to Liberation Mono, "Arial Black" to DejaVu Sans weight 900;
// other names are used as they are.
QFont designFont(const QString& family, double pointSize, bool bold = false, bool italic = false,
                 bool underline = false);

// An RGB colour as the design gives it.
inline QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

} // namespace kestrune::platform
