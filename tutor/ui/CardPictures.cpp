#include "tutor/ui/CardPictures.h"

#include "imaging/PictureStore.h"

#include <QLabel>
#include <QPixmap>

namespace kestrune::tutor_ui {

QImage showStoredPicture(QLabel* box, const QByteArray& bytes)
{
    QImage picture;
    if (imaging::LoadPictureFromField(picture, bytes))
        box->setPixmap(QPixmap::fromImage(picture));
    else
        box->clear();
    return picture;
}

void showTurnedHalf(QLabel* box, const QImage& source)
{
    if (source.isNull()) {
        box->clear();
        return;
    }
    const QImage turned = imaging::TurnPictureHalf(source, box->contentsRect().size(),
                                                   box->palette().color(box->backgroundRole()));
    if (turned.isNull())
        box->clear();
    else
        box->setPixmap(QPixmap::fromImage(turned));
}

} // namespace kestrune::tutor_ui
