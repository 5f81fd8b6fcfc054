#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormSup;
}

namespace zerval {

// "Unidades de superficie": thirteen area units along a chain of five hubs (km², ha, m², cm²,
// sq.in), each with its own lock. A hub writes its neighbours in the chain and its own leaves;
// a leaf writes its hub only while the user types in it.
class TFormSup : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormSup(QWidget* owner);
    ~TFormSup() override;

protected:
    void spreadDone(int number) override;
    void overLimit(int number) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    std::unique_ptr<Ui::TFormSup> ui;
};

} // namespace zerval
