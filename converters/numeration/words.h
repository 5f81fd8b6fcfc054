#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFormLetras;
}

namespace zerval {

class EditBox;

// "números y letras": a whole number of up to eighteen digits written out in Spanish words.
class TFormLetras : public QDialog {
    Q_OBJECT
public:
    explicit TFormLetras(QWidget* owner);
    ~TFormLetras() override;

private:
    void Edit1KeyPress(char16_t& key);
    void Edit1Change();
    void SpeedButton1Click();
    void Label3Click();

    std::unique_ptr<Ui::TFormLetras> ui;
    // The last digits the field held, which a paste of anything else gives back.
    QString digits_;
};

} // namespace zerval
