#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFIlum;
}

namespace zerval {

// " zerval - Iluminación": ten units of illuminance around the lumen-per-square-metre hub,
// all unrounded.
class TFIlum : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFIlum(QWidget* owner);
    ~TFIlum() override;

protected:
    bool typedValue(int number, Ext& typed) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    void rejectNumber(int number);

    std::unique_ptr<Ui::TFIlum> ui;
};

} // namespace zerval
