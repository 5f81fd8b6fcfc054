#pragma once

#include "converters/physical/flowhubwindow.h"

#include <memory>

namespace Ui {
class TForm_filtrado;
}

namespace zerval {

// " Velocidad de Filtrado (Filtration Speed)": six units of filtration flux (litres per
// square metre, US gallons per square foot, each per hour, day and year) around the lmh hub,
// written unrounded. The fields open empty.
class TForm_filtrado : public FlowHubWindow {
    Q_OBJECT
public:
    explicit TForm_filtrado(QWidget* owner);
    ~TForm_filtrado() override;

private:
    std::unique_ptr<Ui::TForm_filtrado> ui;
};

} // namespace zerval
