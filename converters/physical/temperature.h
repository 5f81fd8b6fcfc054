#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormTemp;
}

namespace zerval {

// "Unidades de temperatura": five scales around the Celsius hub, by affine formulas. The
// Kelvin label turns red below absolute zero, the only sign that no such temperature exists.
class TFormTemp : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormTemp(QWidget* owner);
    ~TFormTemp() override;

protected:
    void fieldWritten(int number) override;

private:
    void paintKelvinLabel();

    std::unique_ptr<Ui::TFormTemp> ui;
};

} // namespace zerval
