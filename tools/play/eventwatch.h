#pragma once

#include <QObject>

namespace zerval {

// Watches every event the application delivers, so that the player knows when the program
// has settled, and closes pop-up menus and lists as soon as they show: a menu that a handler
// runs with exec() would otherwise wait for a click that never comes. Scripts choose menu
// entries with `menu` and `popup`, and items with `pick`.
class EventWatch : public QObject {
public:
    explicit EventWatch(QObject* parent = nullptr);

    quint64 delivered() const { return delivered_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    quint64 delivered_ = 0;
};

} // namespace zerval
