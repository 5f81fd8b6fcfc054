#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormPresion;
}

namespace zerval {

// "Unidades de presión": fifteen pressure units around the atmosphere hub. The pascal field
// is the hub of a small group of its own (hPa, kPa) with a lock of its own.
class TFormPresion : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormPresion(QWidget* owner);
    ~TFormPresion() override;

protected:
    void fieldEmptied(int number) override;
    bool hubReady(int hub) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    std::unique_ptr<Ui::TFormPresion> ui;
};

} // namespace zerval
