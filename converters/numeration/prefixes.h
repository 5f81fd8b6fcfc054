#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormPrefijos;
}

namespace zerval {

// "Prefijos": a quantity in its base unit ("unidad", the hub) and the same quantity with each
// of the twenty decimal SI prefixes from yotta to yocto, written unrounded.
class TFormPrefijos : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormPrefijos(QWidget* owner);
    ~TFormPrefijos() override;

protected:
    bool valueAccepted(int number, bool reading, Ext value) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    // A quantity so large that some prefixed field would leave the range the window computes
    // with: the box, then every field shows 0.
    void refuseNumber();
    // A text in "unidad" that is no number.
    void unexpectedText();

    std::unique_ptr<Ui::TFormPrefijos> ui;
};

} // namespace zerval
