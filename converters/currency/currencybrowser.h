#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class TFormBrowser;
}

namespace zerval {

class BrowserControl;

// "Conversor de divisas \"on-line\"": a small browser on the maker's currency-conversion page,
// whose page does the conversion, with back, forward, refresh, save, print and a list of the
// maker's further pages.
class TFormBrowser : public QDialog {
    Q_OBJECT
public:
    explicit TFormBrowser(QWidget* owner);
    ~TFormBrowser() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormActivate();
    void ComboBox1Change(int index);
    void SpeedButton1Click();
    void SpeedButton5Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    bool CppWebBrowser1BeforeNavigate2(const QString& address);

    void navigateTo(const QString& target);

    std::unique_ptr<Ui::TFormBrowser> ui;
    // Null where the platform has no browser; the window then shows why and stays usable.
    std::unique_ptr<BrowserControl> browser_;
    QStringList pageTargets_;
    bool activated_ = false;
    // The window lost the focus to another of the program's own windows (a message, a
    // dialog), after which its activation reloads the currency page.
    bool lostToOwnWindow_ = false;
};

} // namespace zerval
