#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>
#include <optional>

namespace Ui {
class TFormDensidad;
}

namespace zerval {

// "Unidades de densidad": fifteen density units around the kilogram-per-cubic-metre hub,
// every value written to seven decimals. The hub's cascade starts with the pound per cubic
// yard, the largest of the window's values, and refuses a hub value that makes it too large.
class TFormDensidad : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormDensidad(QWidget* owner);
    ~TFormDensidad() override;

protected:
    void fieldChanged(int number) override;

private:
    void Edit1Change();
    // The hub's value in extended precision, so that a text beyond the range of a double
    // meets the limit of the pound per cubic yard too; nullopt when the handler must stop.
    std::optional<Ext> hubValue();
    void refuseNumber();

    std::unique_ptr<Ui::TFormDensidad> ui;
};

} // namespace zerval
