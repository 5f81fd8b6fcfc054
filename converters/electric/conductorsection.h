#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFormSeeccCables;
}

namespace zerval {

class EditBox;

// "Sección Mínima del Conductor": the smallest copper section of IEC 60228 for a household
// line of a given voltage, length and current, within a 2 % voltage drop.
class TFormSeeccCables : public QDialog {
    Q_OBJECT
public:
    explicit TFormSeeccCables(QWidget* owner);
    ~TFormSeeccCables() override;

private:
    void Edit1KeyPress(EditBox& box, char16_t& key);
    void SpeedButton1Click();

    // The field's number; false, with the field emptied or selected after its message, when
    // the field holds no number the calculation can use.
    bool readField(EditBox* field, double& value);
    void fail(const QString& message);

    std::unique_ptr<Ui::TFormSeeccCables> ui;
    bool parseError_ = false;
};

} // namespace zerval
