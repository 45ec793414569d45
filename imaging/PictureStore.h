#pragma once

// The tutor's card pictures are stored in its database as the complete bytes
// of an ordinary image file (BMP, JPEG or GIF; the format is recognised from
// the bytes). These functions are the bridge between those bytes and what the
// tutor window shows; the database access itself is the caller's
// (Recordset::bytes("PictureData") / setField("PictureData", bytes)).

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace kestrune::imaging {

// Decodes stored picture bytes by way of a new, uniquely named temporary file
// whose name starts with "TMP"; the file is always deleted before returning.
// On success `target` holds the picture and the result is true; on any failure
// (nothing stored, undecodable bytes, no temporary file) `target` is cleared
// (a null image) and the result is false. No message is shown.
bool LoadPictureFromField(QImage& target, const QByteArray& stored);

// Creates a new, empty, uniquely named file in the temporary folder whose name
// begins with (up to the first three characters of) `prefix` and ends in
// ".tmp", and returns its full path; an empty string when none can be created.
// The temporary folder is looked up once and then reused for the whole run.
QString GetTempFileWithPrefix(const QString& prefix);

// Replaces the cached temporary folder (an empty path looks it up again on the
// next call). For tests.
void SetTempFolder(const QString& folder);

// The whole content of a picture file, exactly as long as the file, for
// storing in the PictureData column. *ok is false (and the result empty) when
// the file cannot be read.
QByteArray SavePictureData(const QString& strPictureFile, bool* ok = nullptr);

// The half turn with which the tutor shows a card reversed in a box of
// `boxSize`: the picture is painted mirrored top to bottom, stretched to the
// box's height with its own width (cut at the box's right edge when wider,
// background beside it when narrower), and then the whole box is mirrored left
// to right. A picture exactly as large as the box comes out turned by exactly
// 180 degrees. The result is a box-sized opaque image; the uncovered part is
// `background`. A null picture or an empty box gives a box filled with the
// background (or a null image for an empty box).
QImage TurnPictureHalf(const QImage& source, QSize boxSize, QColor background = Qt::white);

} // namespace kestrune::imaging
