#pragma once

#include <QColor>
#include <QComboBox>

namespace zerval {

// A drop-down list of colour bands: each item is drawn as its text near the left edge and a
// swatch of its colour from `swatchLeft` pixels to the right edge, in the list and in the
// closed box alike.
class ColourBandBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColourBandBox(QWidget* parent = nullptr);

    void addBand(const QString& text, QColor colour);
    QColor bandColour(int index) const;
    void setSwatchLeft(int pixels);
    int swatchLeft() const { return swatchLeft_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int swatchLeft_ = 20;
};

} // namespace zerval
