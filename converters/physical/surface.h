#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormSup;
}

namespace zerval {

// "Unidades de superficie": thirteen area units along a chain of five hubs (km², ha, m², cm²,
// sq.in), each with its own lock. A hub writes its neighbours in the chain and its own leaves;
// a leaf writes its hub only while the user types in it.
class TFormSup : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormSup(QWidget* owner);
    ~TFormSup() override;

protected:
    void fieldChanged(int number) override;

private:
    void hubChanged(int hub);
    void leafChanged(int leaf);
    // Makes the changed field's writes, in order, but those to the active field and to a
    // locked hub where the route says so.
    void carry(int number);
    // Writes one target of the changed field.
    void carryTo(int number, int target);
    // Classifies and, with the input focus, converts the field's text into its value; false
    // when the handler must stop.
    bool read(int number);

    std::unique_ptr<Ui::TFormSup> ui;
};

} // namespace zerval
