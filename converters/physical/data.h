#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

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
    bool typedValue(int number, Ext& typed) override;
    bool hubReady(int hub) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    // Runs the bit guard when `bits` are too many, resetting the hub to zero bits.
    bool tooManyBits(long double bits);

    std::unique_ptr<Ui::TFormDatos> ui;
};

} // namespace zerval
