#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFormAbout;
}

namespace zerval {

// "Acerca de zerval - conversor de unidades": the credits, with mail links to the author and
// to the picture's designer.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* owner);
    ~TFormAbout() override;

protected:
private:
    void Label5Click();
    void Label11Click();

    std::unique_ptr<Ui::TFormAbout> ui;
};

} // namespace zerval
