#pragma once

#include <QMainWindow>

class QMenu;

namespace zerval {

// The main window: picture, title, donation phrase, the menu bar and the pop-up menu that
// open every converter window.
class TFormPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormPrincipal(QWidget* parent = nullptr);

    // Opens a window as its menu command does: created with this window as owner, shown
    // modally, destroyed when closed.
    void openWindow(const QString& className);

    // PopupMenu1. Menu entries that start a new column carry the property "columnBreak".
    QMenu* popupMenu() const;
};

} // namespace zerval
