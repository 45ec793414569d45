#pragma once

// An option button whose caption wraps over several lines: the answers of a
// description question are whole meanings, longer than one line.

#include <QRadioButton>

namespace kestrune::tutor_ui {

class AnswerButton : public QRadioButton {
    Q_OBJECT

public:
    explicit AnswerButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QRect textRect() const;
};

} // namespace kestrune::tutor_ui
