#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormVel;
}

namespace zerval {

// "Unidades de Velocidad": nine velocity units around the kilometre-per-hour hub.
class TFormVel : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormVel(QWidget* owner);
    ~TFormVel() override;

private:
    std::unique_ptr<Ui::TFormVel> ui;
};

} // namespace zerval
