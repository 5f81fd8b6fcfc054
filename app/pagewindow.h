#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFormPersonalizar;
}

namespace zerval {

class BrowserControl;

// The window of the help pages: a page on the embedded browser, with buttons that save and
// print it. Its caption is set by whoever opens it.
class TFormPersonalizar : public QDialog {
    Q_OBJECT
public:
    explicit TFormPersonalizar(QWidget* owner);
    ~TFormPersonalizar() override;

    // Shows the page file; nothing where the platform has no browser.
    void showPage(const QString& file);

private:
    void SpeedButton1Click();
    void SpeedButton2Click();

    std::unique_ptr<Ui::TFormPersonalizar> ui;
    std::unique_ptr<BrowserControl> browser_;
};

} // namespace zerval
