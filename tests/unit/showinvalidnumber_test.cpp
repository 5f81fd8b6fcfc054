#include "kit/showinvalidnumber.h"
#include "platform/editbox.h"
#include "platform/scriptedplatform.h"

#include "testapplication.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace zerval {
namespace {

TEST(ShowInvalidNumber, QuotesTheTextAndSelectsItForReplacing) {
    ensureApplication();
    installPlatform(std::make_unique<ScriptedPlatform>());
    EditBox box;
    box.setText(QStringLiteral("12x"));
    box.setCursorPosition(1);

    ShowInvalidNumber(box);

    const auto& messages = scriptedPlatform().messages;
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages[0].text, QStringLiteral("\"12x\"\nNo es un número válido."));
    EXPECT_EQ(box.selectedText(), QStringLiteral("12x"));
}

} // namespace
} // namespace zerval
