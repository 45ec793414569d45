#include "tutor/ui/AnswerButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace kestrune::tutor_ui {

AnswerButton::AnswerButton(QWidget* parent) : QRadioButton(parent) {}

QSize AnswerButton::sizeHint() const
{
    return QRadioButton::sizeHint().boundedTo(size().isEmpty() ? QSize(400, 40) : size());
}

QRect AnswerButton::textRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const int left = indicator.right() + 1 + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    return QRect(left, 0, std::max(0, width() - left), height());
}

void AnswerButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    // The indicator sits beside the first line of the caption.
    indicator.moveTop(2);
    option.rect = indicator;
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);

    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect().adjusted(-1, 0, 0, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool AnswerButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

} // namespace kestrune::tutor_ui
