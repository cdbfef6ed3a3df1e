// The report window: its controls, "Clear", and "Save && Close" with its file.

#include "devices/uRTCMParsing.h"

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

std::string ReportFile(const std::string& date) {
    return SmkRoot() + date + "/LOG/" + date + " Orvalt RTCM Parsing.log";
}

TEST(RtcmParsingWindow, Controls) {
    TfRTCMParsing window;
    EXPECT_EQ(window.windowTitle(), "RTCM Message Parser");
    EXPECT_EQ(window.btnClear->text(), "Clear");
    EXPECT_EQ(window.btnClose->text(), "Save && Close");  // Qt shows "Save & Close"
    EXPECT_TRUE(window.MemoRTCM->isReadOnly());
    EXPECT_EQ(window.MemoRTCM->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(window.MemoRTCM->font().family(), "Consolas");
    EXPECT_EQ(window.MemoRTCM->font().styleHint(), QFont::Monospace);
    window.AddLine("one");
    window.AddLine("");
    window.AddLine(
        "Antenna Type: \xC5\x9E"
        "AFAK   X");
    EXPECT_EQ(window.ReportLines(), (std::vector<std::string>{"one", "",
                                                              "Antenna Type: \xC5\x9E"
                                                              "AFAK   X"}));
    QTest::mouseClick(window.btnClear, Qt::LeftButton);
    EXPECT_TRUE(window.ReportLines().empty());
}

TEST(RtcmParsingWindow, SaveAndCloseReplacesTheDaysFileWithCrLf) {
    TTestClock clock(QDateTime(QDate(2024, 5, 1), QTime(23, 59, 59)));
    TfRTCMParsing window;
    window.show();
    window.AddLine("Quellbay - RTCM Message Parser v1.0");
    window.AddLine("");
    window.AddLine("Total: 35 RTCM messages parsed");
    clock.Set(QDateTime(QDate(2024, 5, 2), QTime(0, 0, 1)));  // the date of the press counts
    ASSERT_TRUE(CreateDirectories(SmkRoot() + "2024-05-02/LOG"));
    ASSERT_TRUE(WriteFileAtomically(ReportFile("2024-05-02"), "an earlier report\r\n"));
    QTest::mouseClick(window.btnClose, Qt::LeftButton);
    EXPECT_EQ(ReadFileBytes(ReportFile("2024-05-02")),
              "Quellbay - RTCM Message Parser v1.0\r\n\r\nTotal: 35 RTCM messages parsed\r\n");
    EXPECT_FALSE(window.isVisible());
}

TEST(RtcmParsingWindow, EmptyMemoClosesWithoutAFile) {
    TTestClock clock(QDateTime(QDate(2024, 5, 1), QTime(10, 0)));
    TfRTCMParsing window;
    window.show();
    QTest::mouseClick(window.btnClose, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(DirectoryExists(SmkRoot() + "2024-05-01"));
}

TEST(RtcmParsingWindow, AFailedSaveIsShownAndTheWindowStaysOpen) {
    TTestClock clock(QDateTime(QDate(2024, 5, 1), QTime(10, 0)));
    TScriptedDialogs dialogs;
    ASSERT_TRUE(CreateDirectories(SmkRoot() + "2024-05-01"));
    ASSERT_TRUE(WriteFileAtomically(SmkRoot() + "2024-05-01/LOG", "a plain file"));
    TfRTCMParsing window;
    window.show();
    window.AddLine("report");
    QTest::mouseClick(window.btnClose, Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith(
        "Cannot create folder \"" + QString::fromStdString(SmkRoot()) + "2024-05-01/LOG\"."));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.ReportLines(), std::vector<std::string>{"report"});
}

}  // namespace
