// kestrune-rotate IN ANGLE OUT
//
// Turns any picture Qt can read by ANGLE degrees (positive is anticlockwise)
// with the same rotation as the reading table, on a black background, and
// writes it to OUT as an opaque RGB picture in the format its extension names.
// Exit status: 0 on success, 2 on unreadable input, a non-numeric angle or an
// output that cannot be written, 1 on wrong usage.

#include "imaging/Rotate.h"

#include <QFileInfo>
#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QString>

#include <cmath>
#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "kestrune-rotate: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: kestrune-rotate IN ANGLE OUT\n");
        return 1;
    }
    const QString in = args.at(1);
    const QString out = args.at(3);

    bool numeric = false;
    const double angle = args.at(2).trimmed().toDouble(&numeric);
    if (!numeric || !std::isfinite(angle))
        return fail(QStringLiteral("the angle \"%1\" is not a number of degrees").arg(args.at(2)));

    QImageReader reader(in);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return fail(QStringLiteral("cannot read the picture \"%1\": %2").arg(in, reader.errorString()));

    bool ok = false;
    const QImage turned = kestrune::imaging::RotatePicture(picture, angle, qRgb(0, 0, 0), &ok);
    if (turned.isNull() || !ok)
        return fail(QStringLiteral("cannot turn the picture \"%1\" by %2 degrees").arg(in).arg(angle));

    const QByteArray suffix = QFileInfo(out).suffix().toLower().toLatin1();
    if (suffix.isEmpty() || !QImageWriter::supportedImageFormats().contains(suffix))
        return fail(QStringLiteral("cannot tell a picture format from the name \"%1\"").arg(out));
    QImageWriter writer(out, suffix);
    if (!writer.write(turned))
        return fail(QStringLiteral("cannot write the picture \"%1\": %2").arg(out, writer.errorString()));
    return 0;
}
