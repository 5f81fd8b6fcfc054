#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>

namespace Ui {
class TFormGraf;
}

namespace zerval {

// "Unidades gráficas": a length on screen or paper in twips, points, characters,
// millimetres, centimetres, inches and pixels, around a hub of whole twips, with a slider
// that sets the pixels.
class TFormGraf : public LinkedFieldWindow {
    Q_OBJECT
public:
    explicit TFormGraf(QWidget* owner);
    ~TFormGraf() override;

protected:
    void answerError(std::exception_ptr error) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Edit1KeyPress(EditBox& box, char16_t& key);
    void Edit1KeyDown(EditBox& box, int keyCode);
    void TrackBar1Change(int position);
    void fieldEntered(int number);
    // Puts the slider back at 0 when the user turns to the fields: the thumb and the bar
    // follow, the pixel field keeps its value.
    void resetSlider();

    std::unique_ptr<Ui::TFormGraf> ui;
    const QChar separatorAtOpening;
    bool sliderMovedByUser_ = true;
};

} // namespace zerval
