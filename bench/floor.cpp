// The floor the program is measured against: the least a Qt Widgets program with as many
// fields as the largest converter window can do. It shows one dialog with 29 line edits;
// with --quit-after-show it leaves once the dialog has been painted.

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("floor"));
    auto* layout = new QGridLayout(&dialog);
    for (int i = 0; i < 29; ++i) {
        layout->addWidget(new QLabel(QStringLiteral("unidad %1").arg(i + 1)), i % 10, 2 * (i / 10));
        layout->addWidget(new QLineEdit(QStringLiteral("0")), i % 10, 2 * (i / 10) + 1);
    }
    dialog.show();
    if (application.arguments().contains(QStringLiteral("--quit-after-show")))
        QTimer::singleShot(100, &application, &QApplication::quit);
    return application.exec();
}
