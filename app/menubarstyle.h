#pragma once

#include <QProxyStyle>

namespace zerval {

// Draws a menu-bar entry that has a picture with its caption beside it, as the designed
// "Calculadora" entry is; Qt's own styles show such an entry as the picture alone.
class MenuBarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
};

} // namespace zerval
