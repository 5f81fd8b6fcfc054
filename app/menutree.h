#pragma once

#include <QString>

#include <vector>

namespace zerval {

// What choosing a menu entry does.
enum class MenuCommand {
    None,         // a separator, or an entry that only holds a submenu
    OpenWindow,   // the window named by `windowClass`, shown modally
    OpenCurrency, // the currency window, through its own launcher
    Calculator,   // the desktop calculator
    Exit,         // closes the main window, which ends the program
    // The help pages.
    Readme,
    CustomisePage,
    DonationsPage,
};

// One entry of the main menu or of the pop-up menu, as designed.
struct MenuEntry {
    QString caption; // with the ampersand of the access key; "-" for a separator
    MenuCommand command = MenuCommand::None;
    QString windowClass;
    std::vector<MenuEntry> children;
    bool columnBreak = false; // starts a new column of its menu
    QString hint;
    QString iconName; // a name of the desktop's icon theme; empty for none

    bool isSeparator() const { return caption == QStringLiteral("-"); }
};

// The menu bar, top-level menus first.
const std::vector<MenuEntry>& mainMenuTree();

// PopupMenu1: the entries of "Unidades de medida" again, with its one caption of its own.
const std::vector<MenuEntry>& popupMenuTree();

// The class of the currency window, opened by its own launcher.
QString currencyWindowClass();
// The title of the calculator's window, which the launcher brings back before starting
// another calculator.
QString calculatorWindowTitle();

} // namespace zerval
