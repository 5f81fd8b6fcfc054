#pragma once

#include <QDialog>

#include <memory>

class QComboBox;

namespace Ui {
class TFormBase;
}

namespace zerval {

class EditBox;

// "Base de numeración": a whole number shown in two positional bases from 2 to 36.
class TFormBase : public QDialog {
    Q_OBJECT
public:
    explicit TFormBase(QWidget* owner);
    ~TFormBase() override;

private:
    void Edit1Change();
    void Edit2Change();
    void ComboBox1Change();
    void ComboBox2Change();

    // The typed field's number written into the other field.
    void convert(EditBox* typed, int typedBase, EditBox* other, int otherBase);
    // A field rewritten in its new base from the number the other field holds.
    void rewrite(EditBox* field, QComboBox* baseBox, int& base, EditBox* other, int otherBase);
    void write(EditBox* field, const QString& text);

    std::unique_ptr<Ui::TFormBase> ui;
    int base1_ = 10;
    int base2_ = 10;
    // Set while the window writes a field: only what the user types is converted, so a
    // write never converts back, whichever control has the focus.
    bool writing_ = false;
};

} // namespace zerval
