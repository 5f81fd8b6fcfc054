#pragma once

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class TForm1;
}

namespace zerval {

class EditBox;

// " Pulgadas <--> milímetros": whole inches and a common fraction against millimetres. It
// converts only when a button is pressed; millimetres are snapped to the chosen fraction of an
// inch, or shown as decimal inches.
class TForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner);
    ~TForm1() override;

protected:
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void Edit1KeyPress(EditBox& box, char16_t& key);
    void Edit2KeyPress(EditBox& box, char16_t& key);
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

    void enableFraction(bool enabled);
    // One precision step up or down from the length the inch fields hold.
    void step(int direction);
    // The whole-inch field read as a decimal number; a message and nullopt when it is not one.
    std::optional<long double> wholeInchValue();
    void tooFarFromInches();
    void writeMillimetres(long double millimetres);

    std::unique_ptr<Ui::TForm1> ui;
    int precision_ = 64;
};

} // namespace zerval
