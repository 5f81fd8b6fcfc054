#pragma once

#include "app/menutree.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class QMenu;

namespace Ui {
class TFormPrincipal;
}

namespace zerval {

// The main window: picture, title, donation phrase, the menu bar and the pop-up menu that
// open every converter window.
class TFormPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormPrincipal(QWidget* parent = nullptr);
    ~TFormPrincipal() override;

    // Opens a window as its menu command does: created with this window as owner, shown
    // modally, destroyed when closed.
    void openWindow(const QString& className);

    // PopupMenu1. Menu entries that start a new column carry the property "columnBreak".
    QMenu* popupMenu() const;

    // The user's temporary folder, where the help pages are written.
    QString tempFolder() const { return tempFolder_; }

protected:
private:
    void addEntries(QWidget* menu, const std::vector<MenuEntry>& entries);
    void addEntry(QWidget* menu, const MenuEntry& entry);
    QMenu* addSubmenu(QWidget* parent, const MenuEntry& entry);
    static bool hasColumnBreak(const std::vector<MenuEntry>& entries);
    bool isCommandAvailable(const MenuEntry& entry) const;
    void runCommand(const MenuEntry& entry);

    // The readme, the customise page and the donations page (menu entries and the two
    // buttons of the right-hand panels).
    void showHelpPage(MenuCommand page);
    void Lame1Click();
    void Cmopersonalizar1Click();
    void Donaciones1Click();
    void launchCalculator();
    void launchCurrency();
    void Label1MouseDown();
    void Label2Click();

    std::unique_ptr<Ui::TFormPrincipal> ui;
    QString tempFolder_;
    // The readme or customise page last written.
    QString pageFileName_;
    QString calculatorProgram_;
};

} // namespace zerval
