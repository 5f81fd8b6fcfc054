#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormPeso;
}

namespace zerval {

// "Unidades de Peso": sixteen units of weight in three groups, around two hubs with a lock
// each: the gram, which writes the metric, troy and force units, and the avoirdupois pound,
// which writes the grain, the ounce, the arroba, the quintal and the tons. Each hub writes
// the other. Only the field being typed in writes its hub; what a cascade writes goes no
// further.
class TFormPeso : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormPeso(QWidget* owner);
    ~TFormPeso() override;

protected:
    bool valueAccepted(int number, bool reading, Ext value) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    void reportInvalidNumber(int number);
    void reportTooHeavy(int number, Ext typed);

    std::unique_ptr<Ui::TFormPeso> ui;
};

} // namespace zerval
