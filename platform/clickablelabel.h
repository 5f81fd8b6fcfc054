#pragma once

#include <QLabel>

namespace zerval {

// A label that answers the mouse as a button does: clicked() when the left button, pressed
// on the label, is released over it. A press dragged off the label and released elsewhere is
// no click, so a user can still change their mind. Other buttons do nothing here and reach
// the window as they would on a plain label, unless something listens to pressed(), which
// comes at once for a press of any button (a double click included) and then takes it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool armed_ = false;
};

} // namespace zerval
