#include "platform/Geometry.h"

namespace kestrune::platform {

QFont designFont(const QString& family, double pointSize, bool bold, bool italic, bool underline)
{
    QString mapped = family;
    int weight = bold ? QFont::Bold : QFont::Normal;
    if (family.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0
        || family.compare(QLatin1String("Verdana"), Qt::CaseInsensitive) == 0
        || family.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0
        || family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) {
        mapped = QStringLiteral("DejaVu Sans");
    } else if (family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0) {
        mapped = QStringLiteral("Liberation Mono");
    } else if (family.compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0) {
        mapped = QStringLiteral("DejaVu Sans");
        weight = QFont::Black;
    } else if (family.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0) {
        mapped = QStringLiteral("Liberation Serif");
    }
    QFont font(mapped);
    font.setPointSizeF(pointSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

} // namespace kestrune::platform
