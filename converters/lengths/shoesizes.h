#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFZapatos;
}

namespace zerval {

// "Medida de zapatos": European shoe sizes beside women's and men's sizes of the other system
// and the foot length in centimetres. A fixed table; the cells read Cell<row>_<column>, rows 1
// to 7 from the top and column 0 the row heading.
class TFZapatos : public QDialog {
    Q_OBJECT
public:
    explicit TFZapatos(QWidget* owner);
    ~TFZapatos() override;

private:
    std::unique_ptr<Ui::TFZapatos> ui;
};

} // namespace zerval
