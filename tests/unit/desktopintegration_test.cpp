#include "app/artwork.h"
#include "app/mainwindow.h"
#include "app/menucolumns.h"
#include "app/programidentity.h"
#include "app/windowcatalog.h"
#include "platform/scriptedplatform.h"
#include "testapplication.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>

namespace zerval {
namespace {

// One application object per process: another test may have made it already. It is never
// destroyed: Qt's icon loader, which the main window's menus use, is torn down before an
// application object destroyed at exit, and the process would crash there.
class DesktopIntegration : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        installPlatform(std::make_unique<ScriptedPlatform>());
    }
    void TearDown() override { installPlatform(nullptr); }
};

QAction* entry(const QMenu* menu, const QString& caption) {
    const QList<QAction*> entries = menu->actions();
    for (QAction* action : entries)
        if (action->text() == caption) return action;
    ADD_FAILURE() << "no entry " << caption.toStdString();
    return nullptr;
}

QMenu* unitsMenu(const TFormPrincipal& window) {
    const QList<QAction*> menus = window.menuBar()->actions();
    for (QAction* action : menus)
        if (action->text() == QStringLiteral("Unidades de medida")) return action->menu();
    return nullptr;
}

// The open menu's designed column starts at "Datos": every entry before it in the first
// column, "Datos" at the top of the second, the rest below it.
void expectColumnAtDatos(QMenu* menu) {
    ASSERT_TRUE(menu->isVisible());
    const QRect first = menu->actionGeometry(menu->actions().constFirst());
    const QRect last = menu->actionGeometry(entry(menu, QStringLiteral("Iluminación")));
    const QRect datos = menu->actionGeometry(entry(menu, QStringLiteral("Datos")));
    const QRect hierros = menu->actionGeometry(entry(menu, QStringLiteral("Hierros")));
    EXPECT_EQ(last.left(), first.left());
    EXPECT_GT(datos.left(), first.right());
    EXPECT_EQ(datos.top(), first.top());
    EXPECT_EQ(hierros.left(), datos.left());
    EXPECT_GT(hierros.top(), datos.bottom());
    // The menu is as tall as its first column.
    EXPECT_LE(menu->height(), last.bottom() + 20);
}

// Where the menu bar opens a menu: under its entry.
QPoint placeUnder(const QMenuBar* bar, QAction* entry) {
    const QRect place = bar->actionGeometry(entry);
    return bar->mapToGlobal(QPoint(place.left(), place.bottom() + 1));
}

TEST_F(DesktopIntegration, UnitsMenuStartsItsSecondColumnAtDatos) {
    TFormPrincipal window;
    window.move(100, 150);
    window.show();
    QMenuBar* bar = window.menuBar();
    // A menu of one column opens under its entry, and so does the one of two columns, which
    // Qt would have put at the top of the screen.
    QAction* archivo = bar->actions().constFirst();
    bar->setActiveAction(archivo);
    ASSERT_TRUE(archivo->menu()->isVisible());
    EXPECT_EQ(archivo->menu()->pos(), placeUnder(bar, archivo));
    for (int opening = 0; opening < 2; ++opening) {
        QMenu* units = unitsMenu(window);
        ASSERT_NE(units, nullptr);
        bar->setActiveAction(units->menuAction());
        expectColumnAtDatos(units);
        EXPECT_EQ(units->pos(), placeUnder(bar, units->menuAction()));
        units->hide();
    }
}

TEST_F(DesktopIntegration, PopupMenuStartsItsSecondColumnAtDatos) {
    TFormPrincipal window;
    const QPoint asked(20, 30);
    popUpMenu(window.popupMenu(), asked);
    expectColumnAtDatos(window.popupMenu());
    EXPECT_EQ(window.popupMenu()->pos(), asked);
    window.popupMenu()->hide();
}

TEST_F(DesktopIntegration, MenuWithoutBreakKeepsOneColumn) {
    QMenu menu;
    for (const char* caption : {"Uno", "Dos", "Tres"})
        menu.addAction(QString::fromLatin1(caption));
    enableMenuColumns(&menu);
    menu.popup(QPoint(0, 0));
    const QRect first = menu.actionGeometry(menu.actions()[0]);
    const QRect third = menu.actionGeometry(menu.actions()[2]);
    EXPECT_EQ(third.left(), first.left());
    EXPECT_GT(third.top(), first.bottom());
    menu.hide();
}

TEST_F(DesktopIntegration, BreakOnTheFirstEntryStartsNoEmptyColumn) {
    QMenu menu;
    for (const char* caption : {"Uno", "Dos"})
        menu.addAction(QString::fromLatin1(caption));
    menu.actions()[0]->setProperty("columnBreak", true);
    enableMenuColumns(&menu);
    menu.popup(QPoint(0, 0));
    EXPECT_EQ(menu.actionGeometry(menu.actions()[1]).left(),
              menu.actionGeometry(menu.actions()[0]).left());
    menu.hide();
}

TEST_F(DesktopIntegration, EveryWindowCarriesTheProgramIcon) {
    identifyProgram();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.example.zerval"));
    const QIcon icon = QApplication::windowIcon();
    for (const int size : {16, 32, 48, 64})
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
    // Larger sizes come from the installed theme icons, not from every window.
    for (const QSize& size : icon.availableSizes())
        EXPECT_LE(size.width(), 64);
    TFormPrincipal window;
    EXPECT_EQ(window.windowIcon().cacheKey(), icon.cacheKey());
    // The picture painted at build time is the size the window shows.
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Image1"))->size(), instrumentPictureSize);
    std::unique_ptr<QDialog> velocity(createWindow(QStringLiteral("TFormVel"), &window));
    ASSERT_NE(velocity, nullptr);
    EXPECT_EQ(velocity->windowIcon().cacheKey(), icon.cacheKey());
    QApplication::setWindowIcon(QIcon());
}

TEST(ProgramIcon, IsTheCalliperOnATransparentSquare) {
    for (const int size : {16, 48, 256}) {
        const QImage image = programIconImage(size);
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
    // The beam crosses the icon in steel grey, over the blue tile.
    const QImage large = programIconImage(256);
    const QColor beam = large.pixelColor(120, 80);
    EXPECT_NEAR(beam.red(), beam.blue(), 20);
    const QColor tile = large.pixelColor(120, 230);
    EXPECT_GT(tile.blue(), tile.red() + 60);
}

} // namespace
} // namespace zerval
