#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFormMallas;
}

namespace zerval {

// "Mallas": the steel section per metre in each direction and the weight per square metre of
// a theoretical welded mesh, from the spacings of both sides and the common bar diameter.
class TFormMallas : public QDialog {
    Q_OBJECT
public:
    explicit TFormMallas(QWidget* owner);
    ~TFormMallas() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void ListBox1Click();

    std::unique_ptr<Ui::TFormMallas> ui;
};

} // namespace zerval
