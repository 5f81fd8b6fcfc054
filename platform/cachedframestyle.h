#pragma once

#include <QProxyStyle>

namespace zerval {

// The application's style with the panels of line edits painted once per look and then copied.
// A converter refreshes all its fields at every keystroke, and painting each field's rounded,
// antialiased frame afresh cost more than the rest of the cascade; a copy of the same picture
// looks the same.
class CachedFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    // Every menu bar asks for the picture of its overflow button as it is made; loading it
    // loads every image-format plug-in. It is loaded when the button is first shown.
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace zerval
