#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormVol;
}

namespace zerval {

// "Unidades de volumen y capacidad": twenty-six units on a network of five group hubs
// (cubic centimetre, litre of water, cubic inch, cubic foot, imperial gallon). Each hub
// spreads a change over its group and on to the other hubs; every other field writes its
// value back to its group hub.
class TFormVol : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormVol(QWidget* owner);
    ~TFormVol() override;

protected:
    bool hubReady(int hub) override;
    void answerError(std::exception_ptr error) override;

private:
    void emptyTypedField();

    std::unique_ptr<Ui::TFormVol> ui;
};

} // namespace zerval
