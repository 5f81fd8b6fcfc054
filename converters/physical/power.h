#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormPotencia;
}

namespace zerval {

// "Unidades de potencia": twenty-six power units around the watt hub, written unrounded.
// Many units follow the field written just before them in the cascade (per hour, per minute,
// per second), and the atmosphere-cubic-centimetre per hour field, the largest number the
// window shows, is computed and tested before anything else is written.
class TFormPotencia : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormPotencia(QWidget* owner);
    ~TFormPotencia() override;

protected:
    bool hubReady(int hub) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    std::unique_ptr<Ui::TFormPotencia> ui;
};

} // namespace zerval
