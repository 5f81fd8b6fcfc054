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
    bool valueAccepted(int number, bool reading, Ext value) override;
    std::optional<QString> specialText(int number) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    void refuseNumber();

    std::unique_ptr<Ui::TFormDensidad> ui;
    // The pounds per cubic yard computed from the hub's value as read, for the spread to write.
    std::optional<double> pounds_;
};

} // namespace zerval
