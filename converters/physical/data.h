#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>
#include <optional>

namespace Ui {
class TFormDatos;
}

namespace zerval {

// " Datos": twenty-two units of digital information around the bit hub: the bit's machine
// groupings, the binary multiples of IEEE 1541 and the decimal SI multiples, all unrounded.
class TFormDatos : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormDatos(QWidget* owner);
    ~TFormDatos() override;

protected:
    void fieldChanged(int number) override;

private:
    void Edit9Change();
    // Shared by every field but the bit hub: converts what is typed there into bits.
    void Edit10Change(int number);
    // Classifies the field's text and, when it is being typed in, reads it in extended
    // precision (else gives the value stored); a text that is no number is reported.
    // Nothing when the handler must stop.
    std::optional<long double> readTyped(int number);
    void reportInvalidNumber(int number);

    std::unique_ptr<Ui::TFormDatos> ui;
};

} // namespace zerval
