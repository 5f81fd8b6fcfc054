#pragma once

#include "converters/physical/flowhubwindow.h"

#include <memory>

namespace Ui {
class TFormCaudal;
}

namespace zerval {

// "Caudal": twenty-four volumetric flow units (litres, cubic metres, cubic centimetres, cubic
// feet, US gallons and barrels, each per second, minute, hour and day) around the
// litre-per-second hub, written unrounded.
class TFormCaudal : public FlowHubWindow {
    Q_OBJECT
public:
    explicit TFormCaudal(QWidget* owner);
    ~TFormCaudal() override;

private:
    std::unique_ptr<Ui::TFormCaudal> ui;
};

} // namespace zerval
