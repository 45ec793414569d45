#include "tutor/ui/CardPictures.h"

#include <QLabel>
#include <QPixmap>

namespace kestrune::tutor_ui {

QImage showStoredPicture(QLabel* box, const QByteArray& bytes)
{
    QImage picture;
    if (!bytes.isEmpty())
        picture = QImage::fromData(bytes);
    if (picture.isNull())
        box->clear();
    else
        box->setPixmap(QPixmap::fromImage(picture));
    return picture;
}

void showTurnedHalf(QLabel* box, const QImage& source)
{
    if (source.isNull()) {
        box->clear();
        return;
    }
    QImage turned = source.scaled(source.width(), box->height()).mirrored(true, true);
    box->setPixmap(QPixmap::fromImage(turned));
}

} // namespace kestrune::tutor_ui
