#pragma once

#include "kit/linkedfieldwindow.h"

#include <functional>
#include <memory>

namespace Ui {
class TFormTorque;
}

namespace zerval {

// "Momento de una fuerza - Torque": six units of torque around the newton-metre hub, every
// value written unrounded. The lock holds only while a cascade runs, and every change is
// handled under a guard that answers any failure with the window's own box.
class TFormTorque : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormTorque(QWidget* owner);
    ~TFormTorque() override;

protected:
    void fieldChanged(int number) override;

private:
    void Edit1Change();
    // Edit2Change to Edit6Change.
    void intoNewtonMetres(int number);
    // Runs a change under the window's guard. A change raised inside another one leaves its
    // failure to the outer guard, so that it is reported once and stops the whole cascade.
    void underGuard(const std::function<void()>& handler);

    std::unique_ptr<Ui::TFormTorque> ui;
    bool guarding_ = false;
};

} // namespace zerval
