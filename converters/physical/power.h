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
    void fieldChanged(int number) override;

private:
    void Edit1Change();
    // Shared by every field but the watt.
    void Edit2Change(int sender);
    // The field's text classified and, when it is being typed in, read; a text that is no
    // number gets the invalid-number box. False when the handler must stop.
    bool readTyped(int number);

    std::unique_ptr<Ui::TFormPotencia> ui;
};

} // namespace zerval
