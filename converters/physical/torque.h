#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormTorque;
}

namespace zerval {

// "Momento de una fuerza - Torque": six units of torque around the newton-metre hub, every
// value written unrounded. The lock holds only while a cascade runs, and any failure is
// answered with the window's own box.
class TFormTorque : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormTorque(QWidget* owner);
    ~TFormTorque() override;

protected:
    void spreadDone(int hub) override;
    void answerError(std::exception_ptr error) override;

private:
    std::unique_ptr<Ui::TFormTorque> ui;
};

} // namespace zerval
