#include "tools/play/playtestwindow.h"

#include "ui_playtestwindow.h"

#include "platform/browsercontrol.h"
#include "platform/platform.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWheelEvent>

#include <stdexcept>

namespace zerval {

TPlayTest::TPlayTest(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TPlayTest>()) {
    ui->setupUi(this);

    ui->Edit1->onKeyDown = [this](EditBox&, int code) {
        ui->StatusBar1->showMessage(QStringLiteral("tecla %1").arg(code));
    };
    // "!" stands for "42", typed by the program after the key has been handled.
    ui->Edit1->onKeyPress = [](EditBox&, char16_t& key) {
        if (key != u'!') return;
        key = 0;
        platform().queueKeystroke(QLatin1Char('4'));
        platform().queueKeystroke(QLatin1Char('2'));
    };
    ui->Edit1->onChange = [this](EditBox& box) {
        ui->Label1->setText(QStringLiteral("eco ") + box.text());
    };

    connect(ui->ComboBox1, &QComboBox::activated, this, [this](int index) {
        report(QStringLiteral("elegido ") + ui->ComboBox1->itemText(index));
    });
    connect(ui->ListBox1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { report(QStringLiteral("lista ") + item->text()); });
    connect(ui->RadioButton2, &QRadioButton::clicked, this,
            [this] { report(QStringLiteral("modo rápido")); });

    ui->StringGrid1->setColumnCount(3);
    ui->StringGrid1->setRowCount(2);
    const QStringList cells = {QStringLiteral("a0"), QStringLiteral("b0"), QStringLiteral("c0"),
                               QStringLiteral("a1"), QStringLiteral("b1"), QStringLiteral("c\t1")};
    for (int i = 0; i < cells.size(); ++i)
        ui->StringGrid1->setItem(i / 3, i % 3, new QTableWidgetItem(cells[i]));
    connect(ui->StringGrid1, &QTableWidget::cellClicked, this, [this](int row, int column) {
        report(QStringLiteral("celda %1,%2").arg(column).arg(row));
    });

    connect(ui->PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        report(QStringLiteral("página ") + ui->PageControl1->tabText(index));
    });
    connect(ui->TrackBar1, &QSlider::valueChanged, this,
            [this](int value) { ui->Label3->setText(QString::number(value)); });

    QPalette aqua = ui->Label4->palette();
    aqua.setColor(QPalette::Window, QColor(0, 255, 255));
    aqua.setColor(QPalette::WindowText, QColor(0, 0, 128));
    ui->Label4->setPalette(aqua);

    ui->Image1->installEventFilter(this);

    connect(ui->Button1, &QPushButton::clicked, this, [this] {
        guarded([this] {
            platform().messageBox(this, QStringLiteral("Aviso"), MessageIcon::Warning,
                                  QStringLiteral("Hola\nmundo"));
        });
    });
    connect(ui->Button2, &QPushButton::clicked, this, [this] {
        guarded([this] {
            const QString file = platform().savePictureFile(this, QStringLiteral("dibujo.png"));
            if (file.isEmpty()) {
                report(QStringLiteral("cancelado"));
                return;
            }
            report(ui->Image1->grab().save(file, "PNG") ? QStringLiteral("guardado")
                                                        : QStringLiteral("no guardado"));
        });
    });
    connect(ui->Button3, &QPushButton::clicked, this, [] {
        guarded([] { platform().openExternal(QStringLiteral("https://example.org/zerval?q=1")); });
    });
    connect(ui->Button4, &QPushButton::clicked, this, [this] {
        guarded([this] {
            QFile file(platform().tempFolder() + QStringLiteral("prueba.txt"));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw std::runtime_error("no se pudo escribir el archivo temporal");
            file.write(QStringLiteral("línea uno\nlínea\tdos\n").toUtf8());
            report(QStringLiteral("escrito"));
        });
    });
    connect(ui->Button5, &QPushButton::clicked, this,
            [] { guarded([] { throw std::runtime_error("fallo de prueba"); }); });

    browser_ = platform().createBrowser(ui->Panel1);
    ui->Panel1->layout()->addWidget(browser_->widget());
    browser_->beforeNavigate = [](const QString& address) {
        return !address.contains(QStringLiteral("prohibido"));
    };

    buildMenus();
    ui->StatusBar1->showMessage(QStringLiteral("Listo"));
}

TPlayTest::~TPlayTest() = default;

void TPlayTest::report(const QString& text) {
    ui->Label2->setText(text);
}

void TPlayTest::buildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    layout()->setMenuBar(bar);
    const auto reporting = [this](QMenu* menu, const QString& caption) {
        QAction* entry = menu->addAction(caption);
        connect(entry, &QAction::triggered, this,
                [this, entry] { report(QStringLiteral("menú ") + entry->text()); });
        return entry;
    };

    QMenu* file = bar->addMenu(QStringLiteral("&Archivo"));
    reporting(file, QStringLiteral("&Abrir"));
    file->addSeparator();
    connect(file->addAction(QStringLiteral("&Salir")), &QAction::triggered, this, &QDialog::close);

    QMenu* view = bar->addMenu(QStringLiteral("&Ver"));
    reporting(view, QStringLiteral("Columna &uno"));
    reporting(view, QStringLiteral("Columna &dos"))->setProperty("columnBreak", true);
    reporting(view, QStringLiteral("Oculto"))->setVisible(false);
    reporting(view, QStringLiteral("Apagado"))->setEnabled(false);
    reporting(view, QStringLiteral("Decir \"hola\""));
    QMenu* more = view->addMenu(QStringLiteral("&Más"));
    reporting(more, QStringLiteral("Fondo"));

    QAction* direct = bar->addAction(QStringLiteral("Directo  "));
    connect(direct, &QAction::triggered, this, [this] { report(QStringLiteral("menú Directo")); });

    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    reporting(popup, QStringLiteral("&Copiar"));
    reporting(popup->addMenu(QStringLiteral("Otros")), QStringLiteral("Pegar"));
}

bool TPlayTest::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->Image1) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            dragStart_ = static_cast<QMouseEvent*>(event)->position().toPoint();
            break;
        case QEvent::MouseButtonRelease: {
            const QPoint end = static_cast<QMouseEvent*>(event)->position().toPoint();
            const auto* mouse = static_cast<QMouseEvent*>(event);
            report(QStringLiteral("%1 %2,%3 %4,%5")
                       .arg(mouse->button() == Qt::RightButton ? QStringLiteral("derecho")
                                                               : QStringLiteral("arrastre"))
                       .arg(dragStart_.x())
                       .arg(dragStart_.y())
                       .arg(end.x())
                       .arg(end.y()));
            break;
        }
        case QEvent::ContextMenu:
            report(ui->Label2->text() + QStringLiteral(" y menú contextual"));
            return true;
        case QEvent::Wheel:
            report(
                QStringLiteral("rueda %1").arg(static_cast<QWheelEvent*>(event)->angleDelta().y()));
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zerval
