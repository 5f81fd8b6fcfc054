#pragma once

#include <QObject>
#include <Qt>

class QDialog;

namespace zerval {

// The frame of a converter window: a dialog with only the close box in its title bar, fixed
// at its designed size and centred on the screen the first time it is shown. Any window can
// wear it, built on the linked-field engine or not.
class DialogChrome : public QObject {
    Q_OBJECT
public:
    static Qt::WindowFlags flags();

    // Fixes the window at its present size and centres it when it is first shown; the chrome
    // is owned by the window.
    static void apply(QDialog& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DialogChrome(QDialog& window);
    bool centred_ = false;
};

} // namespace zerval
