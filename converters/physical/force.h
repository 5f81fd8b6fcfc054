#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>
#include <optional>

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
    void fieldChanged(int number) override;

private:
    // Edit3Change and Edit8Change.
    void hubChanged(int hub);
    // Edit1Change, shared by the metric and force units: into the gram hub.
    void Edit1Change(int number);
    // Edit4Change, Edit5Change, Edit9Change to Edit12Change: into the pound hub.
    void intoPounds(int number);

    // The field's text as typed, in extended precision; nullopt when the handler must stop
    // (empty, incomplete, or a text that does not convert, which is reported).
    std::optional<long double> typedValue(int number);
    void reportInvalidNumber(int number);
    void reportTooHeavy(int number, long double typed);

    std::unique_ptr<Ui::TFormPeso> ui;
};

} // namespace zerval
