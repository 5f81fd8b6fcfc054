#include "app/menucolumns.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOption>

namespace zerval {

namespace {

// QMenu starts a new column where the next entry would pass the bottom of the screen less a
// frame of PM_MenuDesktopFrameWidth at either edge. When it lays a menu out (asking with a
// style option), this style answers the widened frame stored in the menu's property, which
// puts that bottom inside the entry that is to start the column; when it places the menu on
// the screen (asking without one), the usual frame.
const char* const columnFrameProperty = "zervalColumnFrame";
// Where the menu is to open, for a menu not opened from a menu bar.
const char* const placeProperty = "zervalMenuPlace";

class MenuColumnStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_MenuDesktopFrameWidth && option && widget) {
            const QVariant frame = widget->property(columnFrameProperty);
            if (frame.isValid()) return frame.toInt();
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        // A scrolling menu never wraps into columns.
        if (hint == SH_Menu_Scrollable) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QAction* columnBreakEntry(const QMenu* menu) {
    const QList<QAction*> entries = menu->actions();
    bool entryBefore = false;
    for (QAction* entry : entries) {
        if (!entry->isVisible()) continue;
        if (entry->property("columnBreak").toBool() && entryBefore) return entry;
        entryBefore = true;
    }
    return nullptr;
}

QAction* firstVisibleEntry(const QMenu* menu) {
    const QList<QAction*> entries = menu->actions();
    for (QAction* entry : entries)
        if (entry->isVisible() && !entry->isSeparator()) return entry;
    return nullptr;
}

// Lays the menu out again with this desktop frame (none: the style's own).
void layOut(QMenu* menu, const QVariant& frame) {
    menu->setProperty(columnFrameProperty, frame);
    QEvent styleChange(QEvent::StyleChange);
    QCoreApplication::sendEvent(menu, &styleChange);
    // The layout is made on the first question about an entry's place.
    menu->actionGeometry(menu->actions().constFirst());
}

bool startsLaterColumn(const QMenu* menu, QAction* entry, QAction* first) {
    return menu->actionGeometry(entry).left() > menu->actionGeometry(first).left();
}

void layOutColumns(QMenu* menu) {
    QAction* breakEntry = columnBreakEntry(menu);
    QAction* first = firstVisibleEntry(menu);
    layOut(menu, QVariant());
    if (!breakEntry || !first || startsLaterColumn(menu, breakEntry, first)) return;

    // The narrowest frame that moves the break entry out of the first column is found by
    // halving (the wider the frame, the shorter the columns): the column's bottom then lies
    // inside the break entry, which starts the second column.
    const int usualFrame =
        menu->style()->pixelMetric(QStyle::PM_MenuDesktopFrameWidth, nullptr, menu);
    int keeps = usualFrame;
    int moves = usualFrame + menu->screen()->geometry().height();
    layOut(menu, moves);
    if (!startsLaterColumn(menu, breakEntry, first)) {
        layOut(menu, QVariant());
        return;
    }
    while (moves - keeps > 1) {
        const int middle = keeps + (moves - keeps) / 2;
        layOut(menu, middle);
        (startsLaterColumn(menu, breakEntry, first) ? moves : keeps) = middle;
    }
    layOut(menu, moves);
    const QRect breakPlace = menu->actionGeometry(breakEntry);
    const QRect firstPlace = menu->actionGeometry(first);
    // Where the first column wraps of itself, the screen is too short for the designed columns.
    if (breakPlace.top() != firstPlace.top()) layOut(menu, QVariant());
}

// Qt puts a menu of several columns at the top of the screen, taking it for one that filled
// the screen's height; these menus are short, and go back where they were opened: below their
// menu-bar entry, or where the program asked, kept on the screen.
class MenuPlacer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) place(static_cast<QMenu*>(watched));
        return QObject::eventFilter(watched, event);
    }

private:
    static void place(QMenu* menu) {
        const QRect screen = menu->screen()->availableGeometry();
        const QSize size = menu->size();
        QPoint wanted;
        if (const QVariant asked = menu->property(placeProperty); asked.isValid()) {
            wanted = asked.toPoint();
        } else if (const QMenuBar* bar = owningMenuBar(menu)) {
            const QRect entry = bar->actionGeometry(menu->menuAction());
            wanted = bar->mapToGlobal(QPoint(entry.left(), entry.bottom() + 1));
            // Near the bottom of the screen it opens above its entry, as Qt's menus do.
            const int above = bar->mapToGlobal(entry.topLeft()).y() - size.height();
            if (wanted.y() + size.height() - 1 > screen.bottom() && above >= screen.top())
                wanted.setY(above);
        } else {
            return;
        }
        wanted.setX(qMax(screen.left(), qMin(wanted.x(), screen.right() - size.width() + 1)));
        wanted.setY(qMax(screen.top(), qMin(wanted.y(), screen.bottom() - size.height() + 1)));
        if (menu->pos() != wanted) menu->move(wanted);
    }

    static const QMenuBar* owningMenuBar(const QMenu* menu) {
        for (const QObject* parent = menu->parent(); parent; parent = parent->parent())
            if (const auto* bar = qobject_cast<const QMenuBar*>(parent))
                return bar->actions().contains(menu->menuAction()) ? bar : nullptr;
        return nullptr;
    }
};

} // namespace

void enableMenuColumns(QMenu* menu) {
    auto* style = new MenuColumnStyle;
    style->setParent(menu);
    menu->setStyle(style);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { layOutColumns(menu); });
    menu->installEventFilter(new MenuPlacer(menu));
}

void popUpMenu(QMenu* menu, const QPoint& place) {
    menu->setProperty(placeProperty, place);
    menu->popup(place);
}

} // namespace zerval
