#pragma once

#include "platform/clickablelabel.h"
#include "platform/platform.h"

#include <QAbstractButton>

#include <type_traits>

namespace zerval {

// Binds a button's click, or a clickable label's, to a window's handler: a member function
// of the window or any callable. The handler runs inside the top-level error guard, so an
// error it raises (or one raised in the changes its writes set off and not answered there)
// is reported once and never unwinds through Qt's event loop. The binding ends with the
// window.
template <typename Control, typename Window, typename Handler>
requires(std::is_base_of_v<QAbstractButton, Control> ||
         std::is_base_of_v<ClickableLabel, Control>) QMetaObject::Connection
    bindGuarded(Control* control, Window* window, Handler handler) {
    return QObject::connect(control, &Control::clicked, window, [window, handler] {
        guarded([&] {
            if constexpr (std::is_member_function_pointer_v<Handler>)
                (window->*handler)();
            else
                handler();
        });
    });
}

} // namespace zerval
