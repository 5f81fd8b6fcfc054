#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TForm3;
}

namespace zerval {

// "Unidades de longitud": nineteen length units on a tree of parent fields. The centimetre
// is the hub of the metric side, the fathom the hub of the imperial side; a field typed into
// writes (or hands its value over to) its parent, and each hub writes its children.
class TForm3 : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner);
    ~TForm3() override;

protected:
    std::optional<QString> specialText(int number) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    std::unique_ptr<Ui::TForm3> ui;
};

} // namespace zerval
