#pragma once

#include <QApplication>

namespace zerval {

// The application object. Its event notification is the one place where an error that no
// handler caught is shown, by the platform's top-level report; the window stays usable.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace zerval
