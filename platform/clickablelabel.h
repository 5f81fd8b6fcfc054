#pragma once

#include <QLabel>

namespace zerval {

// A label that answers the mouse as a button does: clicked() when the left button, pressed
// on the label, is released over it. A press dragged off the label and released elsewhere is
// no click, so a user can still change their mind. Other buttons do nothing here and reach
// the window as they would on a plain label.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool armed_ = false;
};

} // namespace zerval
