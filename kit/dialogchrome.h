#pragma once

#include <QObject>
#include <QPoint>
#include <Qt>

#include <optional>

class QDialog;

namespace zerval {

// The frame of a converter window: a dialog with only the close box in its title bar, fixed
// at its designed size and centred on the screen the first time it is shown. Any window can
// wear it, built on the linked-field engine or not.
class DialogChrome : public QObject {
    Q_OBJECT
public:
    static Qt::WindowFlags flags();

    // Fixes the window at its present size and, when it is first shown, centres it or moves
    // it to `position`; the chrome is owned by the window.
    static void apply(QDialog& window, std::optional<QPoint> position = std::nullopt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DialogChrome(QDialog& window, std::optional<QPoint> position);
    std::optional<QPoint> position_;
    bool placed_ = false;
};

} // namespace zerval
