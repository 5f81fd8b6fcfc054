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
    void fieldChanged(int number) override;

private:
    void Edit1Change();
    // Shared by every field but the hub: converts what is typed there into lux.
    void Edit2Change(int number);
    void rejectNumber(int number);

    std::unique_ptr<Ui::TFIlum> ui;
};

} // namespace zerval
