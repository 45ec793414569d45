// kestrune-rotate IN ANGLE OUT
//
// Turns any picture Qt can read by ANGLE degrees (positive is anticlockwise)
// with the same rotation as the reading table, on a black background, and
// writes it to OUT as an opaque RGB picture in the format its extension names.
// Exit status: 0 on success, 2 on unreadable or damaged input, a non-numeric
// angle or an output that cannot be written, 1 on wrong usage. On failure no
// output file is left (an existing one stays as it was).

#include "imaging/Rotate.h"
#include "platform/SaveFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
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

// The decoders report damage they work around (a truncated JPEG, a bad
// chunk) only as warnings; while a picture is read, they are collected here.
QStringList g_decodeWarnings;
QtMessageHandler g_previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        g_decodeWarnings << message.trimmed();
        return;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

// Why `path` cannot be read as a file, or empty when it can be.
QString inputProblem(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("there is no file \"%1\"").arg(path);
    if (info.isDir())
        return QStringLiteral("\"%1\" is a folder, not a picture").arg(path);
    if (!info.isFile())
        return QStringLiteral("\"%1\" is not a regular file").arg(path);
    return QString();
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
    double angle = args.at(2).trimmed().toDouble(&numeric);
    if (!numeric || !std::isfinite(angle))
        return fail(QStringLiteral("the angle \"%1\" is not a number of degrees").arg(args.at(2)));
    // Whole turns are taken off first: fmod is exact, so a huge angle gives
    // the same turn as its remainder instead of losing it to rounding in the
    // conversion to radians.
    angle = std::fmod(angle, 360.0);

    const QByteArray suffix = QFileInfo(out).suffix().toLower().toLatin1();
    if (suffix.isEmpty() || !QImageWriter::supportedImageFormats().contains(suffix))
        return fail(QStringLiteral("cannot tell a picture format from the name \"%1\"").arg(out));
    const QFileInfo outInfo(out);
    if (outInfo.exists() && !outInfo.isFile())
        return fail(QStringLiteral("cannot write the picture \"%1\": %2")
                        .arg(out, outInfo.isDir() ? QStringLiteral("It is a folder, not a file")
                                                  : QStringLiteral("It is not a regular file")));

    // Only a regular file is opened, so a pipe or a device cannot hang the tool.
    if (const QString problem = inputProblem(in); !problem.isEmpty())
        return fail(QStringLiteral("cannot read the picture: %1").arg(problem));
    QFile inFile(in);
    if (!inFile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read the picture \"%1\": %2").arg(in, inFile.errorString()));
    QByteArray encoded = inFile.readAll();
    if (inFile.error() != QFileDevice::NoError)
        return fail(QStringLiteral("cannot read the picture \"%1\": %2").arg(in, inFile.errorString()));
    inFile.close();

    QBuffer source(&encoded);
    source.open(QIODevice::ReadOnly);
    QImageReader reader(&source);
    reader.setDecideFormatFromContent(true);
    g_decodeWarnings.clear();
    g_previousHandler = qInstallMessageHandler(collectWarnings);
    const QImage picture = reader.read();
    qInstallMessageHandler(g_previousHandler);
    if (picture.isNull())
        return fail(QStringLiteral("cannot read the picture \"%1\": %2").arg(in, reader.errorString()));
    if (!g_decodeWarnings.isEmpty())
        return fail(QStringLiteral("the picture \"%1\" is damaged or incomplete: %2")
                        .arg(in, g_decodeWarnings.join(QStringLiteral("; "))));

    bool ok = false;
    const QImage turned = kestrune::imaging::RotatePicture(picture, angle, qRgb(0, 0, 0), &ok);
    if (turned.isNull() || !ok)
        return fail(QStringLiteral("cannot turn the picture \"%1\" by %2 degrees").arg(in, args.at(2)));

    // Encoded in memory, then saved whole: a full disk or a failed write
    // leaves no partial picture behind.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, suffix);
    if (!writer.write(turned))
        return fail(QStringLiteral("cannot write the picture \"%1\": %2").arg(out, writer.errorString()));
    QString error;
    if (!kestrune::platform::saveFile(out, bytes, &error))
        return fail(QStringLiteral("cannot write the picture \"%1\": %2").arg(out, error));
    return 0;
}
