#pragma once

// Helpers shared by the reading table (FrmAuto) and the manual window
// (FrmManual): turning a card picture and putting cards on the table.

#include <QImage>
#include <QString>

namespace kestrune::reading_ui {

// Turns a picture by an angle in degrees (positive: anticlockwise on screen)
// with the anti-aliased rotation on a black background. Pending events are
// handled once per source column; the rotation stops early when
// imaging::RotationCancel is set meanwhile. A null result means it failed or
// was stopped (also when another rotation is running).
QImage turnPicture(const QImage& source, double angle);

// Reads a card picture file; a null image when it cannot be read.
QImage readPicture(const QString& path);

// The list position (0..7) of the spread a draw of `no` cards lays out: the
// count decides, and for five cards the name ("The Line Spread" or the
// Wystran spread). -1 when the choices name no spread.
int drawnSpreadListPosition(int no, const QString& name);

} // namespace kestrune::reading_ui
