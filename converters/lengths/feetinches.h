#pragma once

#include <QDialog>

#include <memory>
#include <optional>

class QRadioButton;

namespace Ui {
class TFormPie;
}

namespace zerval {

class EditBox;

// " Pies <--> centímetros": feet, whole inches and a common fraction of an inch against metres,
// centimetres or millimetres. It converts only when a button is pressed; converting to feet
// snaps the length to decimal feet, whole inches or a fraction of an inch.
class TFormPie : public QDialog {
    Q_OBJECT
public:
    explicit TFormPie(QWidget* owner);
    ~TFormPie() override;

protected:
    bool event(QEvent* event) override;

private:
    enum Unit { Metre = 1, Centimetre = 2, Millimetre = 3 };

    void Edit1KeyPress(EditBox& box, char16_t& key);
    void Edit3KeyPress(EditBox& box, char16_t& key);
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton9Click();
    void RadioButton10Click();
    void RadioButton11Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

    void enableFields(bool inches, bool fraction);
    void showUnit(Unit unit);
    void changeUnit(Unit unit);
    void step(int direction);
    // A decimal field's value; a message that selects the field, and nullopt, when it is none.
    std::optional<long double> decimalField(EditBox* field);
    void tooMuch(long double value);
    void writeMetric(long double centimetres);

    std::unique_ptr<Ui::TFormPie> ui;
    Unit unit_ = Centimetre;
    // 0 in decimal mode, 1 for whole inches, else the denominator of the fraction step.
    int precision_ = 64;
};

} // namespace zerval
