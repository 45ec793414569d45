#include "reading_ui/CardTable.h"

#include "imaging/Rotate.h"
#include "spreads/Spreads.h"

#include <QImageReader>

namespace kestrune::reading_ui {

QImage turnPicture(const QImage& source, double angle)
{
    if (source.isNull())
        return {};
    bool ok = false;
    QImage turned = imaging::RotatePicture(source, angle, qRgb(0, 0, 0), &ok);
    if (!ok)
        return {};
    return turned;
}

QImage readPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QImage image = reader.read();
    return image;
}

int drawnSpreadListPosition(int no, const QString& name)
{
    switch (no) {
    case 1: return 1;
    case 2: return 2;
    case 3: return 3;
    case 7: return 6;
    case 8: return 7;
    case 10: return 0;
    case 5:
        if (name == QLatin1String("The Line Spread"))
            return 4;
        if (name == QLatin1String("Wystran Wheel Spread(Tasmerin)"))
            return 5;
        return -1;
    default: return -1;
    }
}

} // namespace kestrune::reading_ui
