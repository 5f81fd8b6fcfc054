#pragma once

#include "kit/linkedfieldwindow.h"

#include <memory>
#include <vector>

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
    void fieldChanged(int number) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Edit1Change();
    void Edit2Change(int number);
    void Edit1KeyPress(EditBox& box, char16_t& key);
    void Edit1KeyDown(EditBox& box, int keyCode);
    void TrackBar1Change(int position);
    void fieldEntered(int number);
    // Puts the slider back at 0 when the user turns to the fields: the thumb and the bar
    // follow, the pixel field keeps its value.
    void resetSlider();

    struct Result {
        int number;
        double value;
        QString text;
    };

    // False for a text that is not a whole entry yet, or none.
    bool holdsEntry(int number) const;
    // The texts of every field but the hub and the active one for `twips`, all formed before
    // any is written, so that a value too large for one of them changes none.
    std::vector<Result> cascadeTexts(double twips) const;

    std::unique_ptr<Ui::TFormGraf> ui;
    const QChar separatorAtOpening;
    bool sliderMovedByUser_ = true;
    bool pixelsFromSlider_ = false;
};

} // namespace zerval
