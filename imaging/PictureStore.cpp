#include "imaging/PictureStore.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryFile>

namespace kestrune::imaging {

namespace {

QString g_tempFolder; // ends with the separator once filled

// Removes the temporary file when the decoding is over, however it ended.
class FileRemover {
public:
    explicit FileRemover(QString path) : m_path(std::move(path)) {}
    ~FileRemover()
    {
        if (!m_path.isEmpty())
            QFile::remove(m_path);
    }
    FileRemover(const FileRemover&) = delete;
    FileRemover& operator=(const FileRemover&) = delete;

private:
    QString m_path;
};

} // namespace

void SetTempFolder(const QString& folder)
{
    g_tempFolder = folder;
    if (!g_tempFolder.isEmpty() && !g_tempFolder.endsWith(QLatin1Char('/')))
        g_tempFolder += QLatin1Char('/');
}

QString GetTempFileWithPrefix(const QString& prefix)
{
    if (g_tempFolder.isEmpty())
        SetTempFolder(QDir::tempPath());
    // A unique name made of the prefix's first three characters, random
    // characters and ".tmp"; the file is created empty and kept.
    QTemporaryFile file(g_tempFolder + prefix.left(3) + QStringLiteral("XXXXXX.tmp"));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    const QString path = file.fileName();
    file.close();
    return path;
}

bool LoadPictureFromField(QImage& target, const QByteArray& stored)
{
    target = QImage();
    const QString path = GetTempFileWithPrefix(QStringLiteral("TMP"));
    if (path.isEmpty())
        return false;
    const FileRemover remover(path);

    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        if (file.write(stored) != stored.size())
            return false;
        file.close();
    }
    if (stored.isEmpty())
        return false;

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return false;
    target = std::move(picture);
    return true;
}

QByteArray SavePictureData(const QString& strPictureFile, bool* ok)
{
    if (ok)
        *ok = false;
    QFile file(strPictureFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return {};
    if (ok)
        *ok = true;
    return bytes;
}

QImage TurnPictureHalf(const QImage& source, QSize boxSize, QColor background)
{
    if (boxSize.width() <= 0 || boxSize.height() <= 0)
        return {};
    const int bw = boxSize.width();
    const int bh = boxSize.height();

    // First pass: the picture mirrored top to bottom, stretched to the box's
    // height, at its own width from the box's left edge (cut at its right).
    QImage first(bw, bh, QImage::Format_RGB32);
    first.fill(background);
    if (!source.isNull()) {
        const QImage stretched = source.height() == bh
            ? source.mirrored(false, true)
            : source.scaled(source.width(), bh, Qt::IgnoreAspectRatio, Qt::FastTransformation).mirrored(false, true);
        QPainter painter(&first);
        painter.drawImage(0, 0, stretched);
    }

    // Second pass: what the box shows, mirrored left to right.
    const QImage second = first.mirrored(true, false);
    return second;
}

} // namespace kestrune::imaging
