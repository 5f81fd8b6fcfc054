#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormTiempo;
}

namespace zerval {

// "Unidades de tiempo": twenty-five units of duration around the second, each a fixed number
// of seconds, written unrounded.
class TFormTiempo : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormTiempo(QWidget* owner);
    ~TFormTiempo() override;

protected:
    bool hubReady(int hub) override;

private:
    std::unique_ptr<Ui::TFormTiempo> ui;
};

} // namespace zerval
