#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TForm_BMI;
}

namespace zerval {

class EditBox;

// "Índice de Masa Corporal (IMC)": the index of a weight and a height, and its class, when
// the user presses "Calcular"; nothing is computed while typing.
class TForm_BMI : public QDialog {
    Q_OBJECT
public:
    explicit TForm_BMI(QWidget* owner);
    ~TForm_BMI() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Edit1KeyPress(EditBox& box, char16_t& key);
    void Button1Click();
    void Label2Click();

    std::unique_ptr<Ui::TForm_BMI> ui;
    bool parseError_ = false;
    bool centred_ = false;
};

} // namespace zerval
