#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormMasa;
}

namespace zerval {

// "Unidades de masa": twenty-eight mass units around the kilogram hub, every result written
// unrounded.
class TFormMasa : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormMasa(QWidget* owner);
    ~TFormMasa() override;

protected:
    void overLimit(int number) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    void refuseNumber();

    std::unique_ptr<Ui::TFormMasa> ui;
};

} // namespace zerval
