#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormEnergia;
}

namespace zerval {

// "Unidades de energía - trabajo - cant. de calor": twenty-nine units of energy, work and
// heat around the joule hub, written unrounded.
class TFormEnergia : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormEnergia(QWidget* owner);
    ~TFormEnergia() override;

private:
    std::unique_ptr<Ui::TFormEnergia> ui;
};

} // namespace zerval
