#pragma once

// Showing the tutor's stored card pictures in the window's picture boxes.

#include <QByteArray>
#include <QImage>

class QLabel;

namespace kestrune::tutor_ui {

// Decodes the stored picture bytes into the box; an undecodable or empty value
// clears the box. Returns the picture shown (null when none).
QImage showStoredPicture(QLabel* box, const QByteArray& bytes);

// Shows `source` turned by a half turn in the box, its height stretched to the
// box's height; a null source clears the box.
void showTurnedHalf(QLabel* box, const QImage& source);

} // namespace kestrune::tutor_ui
