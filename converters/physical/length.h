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
    void fieldChanged(int number) override;

private:
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    void Edit5Change();
    void Edit7Change();
    void Edit8Change();
    void Edit11Change();
    void Edit18Change();
    // Yard, statute mile and nautical mile: only the field being typed in writes the fathom.
    void writeFathomWhenActive(int number);
    // Hectometre, decametre, myriametre: locked by any change, handing over when active.
    void handOverLockingFirst(int number);
    // Decimetre and the astronomical units: locked only by a change typed into them.
    void handOverWhenActive(int number);

    // Reads the field silently (always, or only with the input focus) into its value.
    bool read(int number, bool always);
    void writeFromFathom(int number);
    const LinkedField& tree(int number) const { return *linkedField(number); }

    std::unique_ptr<Ui::TForm3> ui;
};

} // namespace zerval
