#include "platform/cachedframestyle.h"
#include "platform/themeicon.h"
#include "testapplication.h"

#include <QPixmap>
#include <QStyleFactory>

#include <gtest/gtest.h>

using namespace zerval;

TEST(DeferredIcon, IsMadeWhenFirstDrawnAndOnlyOnce) {
    ensureApplication();
    int made = 0;
    QPixmap red(16, 16);
    red.fill(Qt::red);
    const QIcon icon = deferredIcon([&] {
        ++made;
        return QIcon(red);
    });
    const QIcon copy = icon;
    EXPECT_EQ(made, 0);
    EXPECT_EQ(icon.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(icon.actualSize(QSize(16, 16)), QSize(16, 16));
    EXPECT_EQ(made, 1);
    EXPECT_EQ(copy.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
}

// The menu bar's overflow button keeps the style's own picture, loaded when it is shown.
TEST(DeferredIcon, TheOverflowButtonShowsTheStylesPicture) {
    ensureApplication();
    CachedFrameStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyle* plain = QStyleFactory::create(QStringLiteral("Fusion"));
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QImage deferred = style.standardIcon(which).pixmap(16).toImage();
        EXPECT_FALSE(deferred.isNull());
        EXPECT_EQ(deferred, plain->standardIcon(which).pixmap(16).toImage());
    }
    delete plain;
}
