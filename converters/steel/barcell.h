#pragma once

#include <QLabel>

#include <functional>

namespace zerval {

// One selectable cell of the bar table: a panel with a lowered bevel that a click, a right
// click or the Tab key reaches (the window sees the Tab). It tells its window of a click and
// lets the window decide its look.
class BarCell : public QLabel {
    Q_OBJECT
public:
    BarCell(const QString& text, QWidget* parent);

    std::function<void(BarCell& cell)> onClick; // a left click
    std::function<void(BarCell& cell, QPoint global)> onContextPopup;

    bool highlighted() const { return highlighted_; }
    void setHighlighted(bool highlighted);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool highlighted_ = false;
    bool pressed_ = false;
};

} // namespace zerval
