#include "app/StyleManager.h"

#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(StyleManager, NamedStylesAndTheSystemStyle) {
    const QStringList names = TStyleManager::StyleNames();
    EXPECT_EQ(names.size(), 36);
    EXPECT_TRUE(names.contains("Light"));
    EXPECT_TRUE(names.contains("Windows10 SlateGray"));
    EXPECT_TRUE(names.contains("Windows"));
}

TEST(StyleManager, UnknownNameKeepsTheStyleAndTellsTheUser) {
    TScriptedDialogs dialogs;
    ASSERT_TRUE(TStyleManager::TrySetStyle("Windows10 Dark", true));
    const QColor dark = TStyleManager::PanelColor();
    EXPECT_LT(dark.lightness(), 80);
    EXPECT_FALSE(TStyleManager::TrySetStyle("windows10 dark", true)) << "names are exact";
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Windows10 Dark");
    EXPECT_EQ(TStyleManager::PanelColor(), dark);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    ASSERT_TRUE(TStyleManager::TrySetStyle("Light", false));
    EXPECT_GT(TStyleManager::PanelColor().lightness(), 200);
}

}  // namespace
