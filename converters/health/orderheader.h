#pragma once

#include <QHeaderView>

namespace zerval {

// The header row of the analyte grid: each cell carries a small order button in its rightmost
// pixels, drawn pressed (red arrow) for the column whose button was used last.
class OrderHeader : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 18;

    explicit OrderHeader(QWidget* parent);

    void setButtonState(int activeColumn, bool pressed);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int activeColumn_ = 0;
    bool pressed_ = true;
};

} // namespace zerval
