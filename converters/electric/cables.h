#pragma once

#include <QDialog>

#include <memory>

class QFrame;

namespace Ui {
class TFormCables;
}

namespace zerval {

// "Cables Eléctricos": the American wire gauges beside the IEC 60228 sections. A click on a
// row highlights it with its nearest equivalents in the other standard.
class TFormCables : public QDialog {
    Q_OBJECT
public:
    explicit TFormCables(QWidget* owner);
    ~TFormCables() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Panel5Click(int tag);
    QFrame* rowOfTag(int tag) const;
    void placeAtTopOfScreen();

    std::unique_ptr<Ui::TFormCables> ui;
    QList<QFrame*> rows_; // by tag - 1
};

} // namespace zerval
