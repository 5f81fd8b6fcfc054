#include "app/mainwindow.h"

#include "app/donationphrase.h"
#include "app/gifpicture.h"
#include "app/helptexts.h"
#include "app/makersite.h"
#include "app/menubarstyle.h"
#include "app/menucolumns.h"
#include "app/pagewindow.h"
#include "app/prepainted.h"
#include "app/privatefile.h"
#include "app/windowcatalog.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "platform/themeicon.h"
#include "ui_tformprincipal.h"

#include <QAction>
#include <QDialog>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolButton>

#include <algorithm>
#include <stdexcept>

// The pictures are compiled into the static core library, whose resource object the linker
// would otherwise leave out; the macro must not stand inside a namespace.
static void loadPictures() {
    Q_INIT_RESOURCE(resources);
}

namespace zerval {

namespace {

const QColor mainBackground(248, 246, 247);
constexpr int kDonationsWindowHeight = 465;
const QColor titleColour(4, 6, 3);

// Windows whose background the launcher sets before showing them.
QColor launcherBackground(const QString& className) {
    if (className == QStringLiteral("TFormHierros")) return QColor(248, 246, 247);
    if (className == QStringLiteral("TFormAbout")) return QColor(158, 172, 179);
    return QColor();
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QIcon menuIcon(const QString& name) {
    return themeIcon(name, QStringLiteral(":/icons/") + name + QStringLiteral(".png"));
}

} // namespace

TFormPrincipal::TFormPrincipal(QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TFormPrincipal>()) {
    loadPictures();
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Only the title opens the pop-up menu; the rest of the window has no context menu.
    setContextMenuPolicy(Qt::NoContextMenu);

    calculatorProgram_ = platform().findCalculator();

    setBackground(this, mainBackground);
    QPalette titlePalette = ui->Label1->palette();
    titlePalette.setColor(QPalette::WindowText, titleColour);
    ui->Label1->setPalette(titlePalette);

    tempFolder_ = platform().tempFolder();

    ui->Label3->setText(donationPhrase(platform().currentTime()));

    ui->Image1->setPixmap(startupInstrumentPicture(ui->Image1->size()));
    const QPixmap donation = startupDonationPicture();
    ui->Image2->setPixmap(donation);
    ui->SpeedButton2->setIcon(QIcon(donation));
    ui->Label2->setText(makerWebAddress());
    QPalette linkPalette = ui->Label2->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    ui->Label2->setPalette(linkPalette);

    auto* menuBarStyle = new MenuBarStyle;
    menuBarStyle->setParent(menuBar());
    menuBar()->setStyle(menuBarStyle);
    addEntries(menuBar(), mainMenuTree());
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    addEntries(popup, popupMenuTree());

    bindGuarded(ui->SpeedButton1, this, [this] { showHelpPage(MenuCommand::CustomisePage); });
    bindGuarded(ui->SpeedButton2, this, [this] { showHelpPage(MenuCommand::DonationsPage); });

    // The title opens the pop-up menu on the press of any button; the address on a click.
    connect(ui->Label1, &ClickableLabel::pressed, this,
            [this] { guarded([this] { Label1MouseDown(); }); });
    bindGuarded(ui->Label2, this, &TFormPrincipal::Label2Click);
}

TFormPrincipal::~TFormPrincipal() = default;

void TFormPrincipal::addEntries(QWidget* menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries)
        addEntry(menu, entry);
    if (auto* popupMenu = qobject_cast<QMenu*>(menu); popupMenu && hasColumnBreak(entries))
        enableMenuColumns(popupMenu);
}

void TFormPrincipal::addEntry(QWidget* menu, const MenuEntry& entry) {
    QAction* action = nullptr;
    if (entry.isSeparator()) {
        action = new QAction(menu);
        action->setSeparator(true);
    } else if (!entry.children.empty()) {
        action = addSubmenu(menu, entry)->menuAction();
    } else {
        action = new QAction(entry.caption, menu);
        action->setEnabled(isCommandAvailable(entry));
        connect(action, &QAction::triggered, this,
                [this, &entry] { guarded([&] { runCommand(entry); }); });
    }
    if (entry.columnBreak) action->setProperty("columnBreak", true);
    if (!entry.hint.isEmpty()) {
        action->setToolTip(entry.hint);
        action->setStatusTip(entry.hint);
    }
    if (!entry.iconName.isEmpty()) action->setIcon(menuIcon(entry.iconName));
    if (entry.command == MenuCommand::Calculator) action->setVisible(!calculatorProgram_.isEmpty());
    menu->addAction(action);
}

bool TFormPrincipal::hasColumnBreak(const std::vector<MenuEntry>& entries) {
    return std::any_of(entries.begin(), entries.end(),
                       [](const MenuEntry& entry) { return entry.columnBreak; });
}

// A submenu gets its entries the first time it opens, so that start-up builds only what the
// window shows: the titles of the menu bar.
QMenu* TFormPrincipal::addSubmenu(QWidget* parent, const MenuEntry& entry) {
    auto* submenu = new QMenu(entry.caption, parent);
    const std::vector<MenuEntry>& children = entry.children;
    connect(submenu, &QMenu::aboutToShow, this, [this, submenu, &children] {
        if (!submenu->isEmpty()) return;
        for (const MenuEntry& child : children)
            addEntry(submenu, child);
    });
    // Connected after the filling above, so that the columns are laid out once the entries
    // are there.
    if (hasColumnBreak(children)) enableMenuColumns(submenu);
    return submenu;
}

bool TFormPrincipal::isCommandAvailable(const MenuEntry& entry) const {
    switch (entry.command) {
    case MenuCommand::OpenWindow:
    case MenuCommand::OpenCurrency:
        return isWindowBuilt(entry.windowClass);
    case MenuCommand::Readme:
    case MenuCommand::CustomisePage:
    case MenuCommand::DonationsPage:
    case MenuCommand::Calculator:
    case MenuCommand::Exit:
        return true;
    case MenuCommand::None:
        break;
    }
    return false;
}

void TFormPrincipal::runCommand(const MenuEntry& entry) {
    switch (entry.command) {
    case MenuCommand::OpenWindow:
    case MenuCommand::OpenCurrency:
        openWindow(entry.windowClass);
        break;
    case MenuCommand::Calculator:
        launchCalculator();
        break;
    case MenuCommand::Exit:
        close();
        break;
    case MenuCommand::Readme:
    case MenuCommand::CustomisePage:
    case MenuCommand::DonationsPage:
        showHelpPage(entry.command);
        break;
    case MenuCommand::None:
        break;
    }
}

void TFormPrincipal::showHelpPage(MenuCommand page) {
    switch (page) {
    case MenuCommand::Readme:
        Lame1Click();
        break;
    case MenuCommand::CustomisePage:
        Cmopersonalizar1Click();
        break;
    case MenuCommand::DonationsPage:
        Donaciones1Click();
        break;
    default:
        break;
    }
}

// The help files are rewritten at each use; one that cannot be written leaves the viewer
// showing whatever it shows for a missing or stale file.
void TFormPrincipal::Lame1Click() {
    pageFileName_ = tempFolder_ + readmeFileName();
    if (!writePrivateFile(tempFolder_, readmeFileName(), readmeText().toUtf8())) return;
    platform().openExternal(pageFileName_);
}

void TFormPrincipal::Cmopersonalizar1Click() {
    auto* window = new TFormPersonalizar(this);
    window->setWindowTitle(QStringLiteral("Cómo personalizar zerval"));
    pageFileName_ = tempFolder_ + customisePageFileName();
    if (writePrivateFile(tempFolder_, customisePageFileName(), pageBytes(customisePage())))
        window->showPage(pageFileName_);
    platform().showModal(window);
}

void TFormPrincipal::Donaciones1Click() {
    auto* window = new TFormPersonalizar(this);
    window->setWindowTitle(QStringLiteral("Donaciones"));
    const QString picture = tempFolder_ + donationPictureFileName();
    writePrivateFile(tempFolder_, donationPictureFileName(),
                     gifPicture(ui->Image2->pixmap().toImage()));
    const QString page = tempFolder_ + donationsPageFileName();
    if (writePrivateFile(tempFolder_, donationsPageFileName(), pageBytes(donationsPage(picture))))
        window->showPage(page);
    window->resize(window->width(), kDonationsWindowHeight);
    platform().showModal(window);
}

void TFormPrincipal::openWindow(const QString& className) {
    if (className == currencyWindowClass()) {
        launchCurrency();
        return;
    }
    QDialog* window = createWindow(className, this);
    if (!window) return;
    if (const QColor background = launcherBackground(className); background.isValid())
        setBackground(window, background);
    platform().showModal(window);
}

QMenu* TFormPrincipal::popupMenu() const {
    return findChild<QMenu*>(QStringLiteral("PopupMenu1"));
}

void TFormPrincipal::launchCalculator() {
    // A calculator that is already running (even minimised) is brought back rather than
    // started a second time.
    if (platform().restoreWindow(calculatorWindowTitle())) return;
    QString program = platform().findCalculator();
    // Should the program have gone since start-up, the shell is handed the one found then and
    // reports the failure itself.
    if (program.isEmpty()) program = calculatorProgram_;
    if (!program.isEmpty()) platform().openExternal(program);
}

void TFormPrincipal::launchCurrency() {
    QPointer<QDialog> window;
    const auto discard = [&window] {
        if (!window) return;
        window->hide();
        window->deleteLater();
    };
    try {
        window = createWindow(currencyWindowClass(), this);
        if (window) platform().showModal(window);
    } catch (const std::exception&) {
        // A failure of the browser machinery while the page was up: the page window simply
        // goes away, as the user would have closed it.
        discard();
    } catch (...) {
        discard();
        platform().reportError(std::make_exception_ptr(
            std::runtime_error("Se produjo un error al intentar mostrar la página.")));
    }
}

void TFormPrincipal::Label1MouseDown() {
    // Near the top right corner of the picture, just below the menu bar.
    const QPoint place = ui->Panel2->mapToGlobal(QPoint(ui->Panel2->width() - 150, 0));
    popUpMenu(popupMenu(), place);
}

void TFormPrincipal::Label2Click() {
    platform().openExternal(makerWebAddress());
}

} // namespace zerval
