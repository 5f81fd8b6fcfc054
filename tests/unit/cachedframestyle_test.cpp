#include "platform/cachedframestyle.h"
#include "testapplication.h"

#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace {

QImage picture(QLineEdit& edit, QStyle* style) {
    edit.setStyle(style);
    return edit.grab().toImage();
}

// A copied panel is the same picture as a panel painted afresh, in every look a field takes.
TEST(CachedFrameStyle, FieldsLookTheSameAsPaintedByTheirStyle) {
    ensureApplication();
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    zerval::CachedFrameStyle cached(QStyleFactory::create(QStringLiteral("Fusion")));
    struct Look {
        const char* name;
        void (*set)(QLineEdit&);
    };
    const Look looks[] = {
        {"plain", [](QLineEdit&) {}},
        {"read-only", [](QLineEdit& edit) { edit.setReadOnly(true); }},
        {"disabled", [](QLineEdit& edit) { edit.setEnabled(false); }},
        {"coloured",
         [](QLineEdit& edit) {
             QPalette palette = edit.palette();
             palette.setColor(QPalette::Base, QColor(255, 255, 0));
             edit.setPalette(palette);
         }},
        {"frameless", [](QLineEdit& edit) { edit.setFrame(false); }},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(look.name);
        QLineEdit edit(QStringLiteral("-1.23456789012345E-300"));
        edit.resize(170, 21);
        look.set(edit);
        const QImage expected = picture(edit, plain.get());
        EXPECT_EQ(picture(edit, &cached), expected);
        EXPECT_EQ(picture(edit, &cached), expected) << "the second, copied panel differs";
        edit.resize(60, 25);
        EXPECT_EQ(picture(edit, &cached), picture(edit, plain.get())) << "another size";
    }
}

} // namespace
