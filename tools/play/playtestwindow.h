#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TPlayTest;
}

namespace zerval {

class BrowserControl;

// A window that only zerval-play opens (`open TPlayTest`): one control of every kind that
// the program's windows use, so that the player's own script can drive each command once.
class TPlayTest : public QDialog {
    Q_OBJECT
public:
    explicit TPlayTest(QWidget* parent = nullptr);
    ~TPlayTest() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void report(const QString& text);

    std::unique_ptr<Ui::TPlayTest> ui;
    std::unique_ptr<BrowserControl> browser_;
    QPoint dragStart_;
};

} // namespace zerval
