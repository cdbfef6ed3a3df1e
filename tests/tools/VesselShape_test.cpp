#include "tools/UShape.h"

#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tools/VesselShapeSettings.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

std::vector<std::string> Texts(const TFShape& window) {
    return {window.edAmount->text().toStdString(), window.edInterval->text().toStdString(),
            window.edRadious->text().toStdString(), window.edBArrow->text().toStdString(),
            window.edLArrow->text().toStdString()};
}

TEST(VesselShape, ReadRules) {
    const struct {
        const char* legend;
        std::vector<std::pair<const char*, const char*>> stored;
        std::vector<std::string> shown;  // rings, interval, radius, bow, side
    } cases[] = {
        {"nothing stored", {}, {"2", "10", "10", "100", "0"}},
        {"stored values",
         {{"Number of circles", "3"},
          {"Cirecle offset interval", "2.50"},
          {"Radious of first circle", "5"},
          {"Arrow length to bow", "12.25"},
          {"Left right offset of arrow", "-4"}},
         {"3", "2.5", "5", "12.25", "-4"}},
        {"rings not a whole number", {{"Number of circles", "2.5"}}, {"2", "10", "10", "100", "0"}},
        {"lengths not numbers",
         {{"Cirecle offset interval", "abc"},
          {"Arrow length to bow", ""},
          {"Left right offset of arrow", "nan"}},
         {"2", "10", "10", "100", "0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TIniFile ini(GetSettingsFilePath());
        ini.EraseSection("VESSEL_SHAPE");
        for (const auto& [key, value] : c.stored) ini.WriteString("VESSEL_SHAPE", key, value);
        const TVesselShapeTexts read = ReadVesselShape(ini);
        EXPECT_EQ((std::vector<std::string>{read.ringCount, read.ringInterval, read.firstRadius,
                                            read.bowArrow, read.sideArrow}),
                  c.shown);
    }
}

TEST(VesselShapeWindow, DefaultFillsInWithoutStoringSaveStoresTheTextsInOrder) {
    TFShape window;
    EXPECT_EQ(Texts(window), (std::vector<std::string>{"2", "10", "10", "100", "0"}));
    window.bDefault->click();
    EXPECT_EQ(Texts(window), (std::vector<std::string>{"2", "10", "10", "100", "10"}));
    TIniFile ini(GetSettingsFilePath());
    EXPECT_FALSE(ini.SectionExists("VESSEL_SHAPE")) << "Default stores nothing";

    window.show();
    window.edAmount->setText("4");
    window.edLArrow->setText("7.5");
    window.BitBtn1->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ini.ReadSection("VESSEL_SHAPE"),
              (std::vector<std::string>{"Number of circles", "Cirecle offset interval",
                                        "Radious of first circle", "Arrow length to bow",
                                        "Left right offset of arrow"}));
    EXPECT_EQ(ini.ReadString("VESSEL_SHAPE", "Left right offset of arrow", ""), "7.5");
    TFShape next;
    EXPECT_EQ(Texts(next), (std::vector<std::string>{"4", "10", "10", "100", "7.5"}));
}

// The window has no close button: a failed save is told, and it still closes, its edits kept.
TEST(VesselShapeWindow, FailedSaveIsReportedAndTheWindowStillCloses) {
    TScriptedDialogs dialogs;
    TFShape window;
    window.show();
    // The settings file replaced by a folder: no rename can replace it.
    const std::string file = GetSettingsFilePath();
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(file)));
    window.edAmount->setText("4");
    window.BitBtn1->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.edAmount->text(), "4");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              "The settings could not be saved to \"" + QString::fromStdString(file) + "\".");
    QDir().rmdir(QString::fromStdString(file));
}

}  // namespace
