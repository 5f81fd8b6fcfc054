#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormValencia;
}

class QPlainTextEdit;

namespace zerval {

struct ValencianGroup;

// "Unidades Antiguas de Valencia": one linked-field group per magnitude, each around its
// metric hub, four of them with a memo that spells the quantity in compound old units. One
// lock serves the whole window; the field typed into is found by the input focus, results are
// written unrounded, and emptying a field empties only its own group.
class TFormValencia : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormValencia(QWidget* owner);
    ~TFormValencia() override;

protected:
    void fieldEmptied(int number) override;
    void spreadDone(int hub) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    QPlainTextEdit* memoOf(const ValencianGroup& group) const;
    void SpeedButton1Click();

    std::unique_ptr<Ui::TFormValencia> ui;
};

} // namespace zerval
