// The project commands of the main window, offscreen, with the dialogs answered by script and
// the clock fixed.
#include "app/Translator.h"
#include "app/UMsg.h"
#include "canvas/OrvaltCanvas.h"
#include "canvas/ProjectFile.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/MainWindowSettings.h"
#include "navigation/NavigationState.h"
#include "navigation/unavigation.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/GlobalWindow.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace {

const char* const kStandardLayers[] = {"Orvalt Grid",  "track_fix",        "track_nofix",
                                       "track_float",  "orvalt_tempshape", "orvalt_usershape",
                                       "event_number", "~~Orvalt Vessel"};

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A project with two survey lines, a vessel symbol and a grid line, in a folder of its own.
std::string WritePlan() {
    TCanvasModel plan;
    const int survey = plan.AddLayer("Survey");
    plan.AddLine(0, 0, 100, 0, survey);
    plan.AddLine(0, 10, 100, 10, survey);
    plan.AddPoint(5, 5, plan.AddLayer("~~Orvalt Vessel"));
    plan.AddLine(0, 0, 0, 100, plan.AddLayer("Orvalt Grid"));
    const std::string folder = TestTempFolder() + "plans/";
    CreateDirectories(folder);
    const std::string path = folder + "harbour plan.smk";
    std::string reason;
    EXPECT_TRUE(WriteProjectFile(plan, path, reason)) << reason;
    return path;
}

class ProjectCommandsTest : public ::testing::Test {
protected:
    ProjectCommandsTest() {
        InitDayFolderGlobals();
        LastOpenedPath.clear();
        window = std::make_unique<TFNav>();
    }
    ~ProjectCommandsTest() override {
        window.reset();
        Translator.reset();
    }

    TFNav& Shown() {
        window->show();
        return *window;
    }
    std::string AutoPath(const char* dateTime) { return DaySmkDir + dateTime + ".smk"; }
    static std::string LastFileSaved() {
        return ReadLastProjectPath(TIniFile(GetSettingsFilePath()));
    }

    TTestClock clock{QDateTime(QDate(2024, 5, 17), QTime(9, 30, 12))};
    TScriptedDialogs dialogs;
    TGlobalWindow<TFMsg> messages{FMsg};
    std::unique_ptr<TFNav> window;
};

TEST_F(ProjectCommandsTest, SaveEmptiesGridAndVesselAndRecordsTheSave) {
    TFNav& w = Shown();
    TOrvaltCanvas& map = *w.fcad;
    map.AddLine(0, 0, 1, 1, GridLayer);
    map.AddPoint(5, 5, VesselLayer);
    map.AddCircle(1, 1, 1, UserShapeLayer);
    w.Save1Click();

    const std::string path = AutoPath("2024-05-17 0930");
    EXPECT_TRUE(map.GetLayerShapeIds(GridLayer).empty());
    EXPECT_TRUE(map.GetLayerShapeIds(VesselLayer).empty());
    EXPECT_EQ(map.ShapeCount(), 1);
    EXPECT_EQ(Count(EventsLog(), "\tAuto-saved: " + path), 1);
    EXPECT_EQ(LastFileSaved(), path);
    EXPECT_EQ(w.windowTitle().toStdString(), "Quellbay - " + path);
    TCanvasModel saved;
    std::string reason;
    ASSERT_TRUE(ReadProjectFile(saved, path, 0, reason)) << reason;
    EXPECT_EQ(saved.ShapeCount(), 1) << "neither grid lines nor the vessel in the file";
}

TEST_F(ProjectCommandsTest, SavesWithinAMinuteShareAFileAndMidnightKeepsTheFolder) {
    TFNav& w = Shown();
    w.Save1Click();
    clock.Advance(40 * 1000);
    w.Save1Click();
    EXPECT_EQ(FilesIn(DaySmkDir), std::vector<std::string>{"2024-05-17 0930.smk"});
    clock.Set(QDateTime(QDate(2024, 5, 18), QTime(0, 5)));
    w.Save1Click();
    EXPECT_EQ(FilesIn(DaySmkDir),
              (std::vector<std::string>{"2024-05-17 0930.smk", "2024-05-18 0005.smk"}));
    EXPECT_EQ(LastFileSaved(), AutoPath("2024-05-18 0005"));
}

TEST_F(ProjectCommandsTest, FailedSaveLeavesNoSuccessRecordAndSaysSoWithoutADialog) {
    TFNav& w = Shown();
    w.Save1Click();
    const QString caption = w.windowTitle();
    clock.Advance(60 * 1000);
    // A folder where the next file belongs: the save cannot replace it, even as root.
    const std::string blocked = AutoPath("2024-05-17 0931");
    ASSERT_TRUE(CreateDirectories(blocked));
    w.Save1Click();

    const std::string report =
        "Project not saved: " + blocked + " (cannot replace the file: Is a directory)";
    EXPECT_EQ(Count(EventsLog(), "Auto-saved: "), 1);
    EXPECT_EQ(Count(EventsLog(), report), 1);
    EXPECT_EQ(LastFileSaved(), AutoPath("2024-05-17 0930"));
    EXPECT_EQ(w.windowTitle(), caption);
    EXPECT_TRUE(messages->isVisible());
    EXPECT_TRUE(messages->Msg->toPlainText().contains(QString::fromStdString(report)));
    EXPECT_EQ(LastMessage.toStdString(), report);
    EXPECT_TRUE(dialogs.messages.empty()) << "the close saves: nothing modal";
}

// The project is on disk, but unrecorded the next start would reload an older one.
TEST_F(ProjectCommandsTest, SaveWhoseEntryCannotBeWrittenSaysSo) {
    TFNav& w = Shown();
    // The settings file replaced by a folder: no rename can replace it.
    const std::string file = GetSettingsFilePath();
    ASSERT_TRUE(CreateDirectories(file));
    w.Save1Click();
    EXPECT_TRUE(FileExists(AutoPath("2024-05-17 0930")));
    EXPECT_EQ(dialogs.messages, (std::vector<QString>{"The settings could not be saved to \"" +
                                                      QString::fromStdString(file) + "\"."}));
    std::filesystem::remove(file);
}

TEST_F(ProjectCommandsTest, SaveAsWritesNoKeySoARestartReloadsTheAutomaticSave) {
    TFNav& w = Shown();
    w.fcad->AddCircle(1, 1, 1, UserShapeLayer);
    w.Save1Click();
    const std::string chosen = TestTempFolder() + "chosen plan.smk";
    dialogs.fileNames = {QString::fromStdString(chosen)};
    clock.Advance(120 * 1000);
    w.SaveAs1Click();

    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Dialog Save");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Stellmark [*.smk] (*.smk);;All Files [*.*] (*)");
    EXPECT_TRUE(dialogs.fileRequests[0].confirmOverwrite);
    EXPECT_TRUE(FileExists(chosen));
    EXPECT_EQ(w.windowTitle().toStdString(), "Quellbay  <" + chosen + ">");
    EXPECT_EQ(Count(EventsLog(), "\tSaved As: " + chosen), 1);
    const std::string automatic = AutoPath("2024-05-17 0930");
    EXPECT_EQ(LastFileSaved(), automatic);

    window = std::make_unique<TFNav>();
    TFNav& again = Shown();
    EXPECT_EQ(again.windowTitle().toStdString(), "Quellbay - " + automatic);
    EXPECT_EQ(again.fcad->GetLayerShapeIds(UserShapeLayer).size(), 1u);
    EXPECT_EQ(LastOpenedPath, automatic);
    EXPECT_EQ(again.StatusPanels[3]->text().toStdString(), DayDir);
}

TEST_F(ProjectCommandsTest, OpeningTwiceMergesTwiceAndRestoresTheStandardLayers) {
    const std::string plan = WritePlan();
    TFNav& w = Shown();
    dialogs.fileNames = {QString::fromStdString(plan), QString::fromStdString(plan)};
    w.Open1Click();
    w.Open1Click();

    TOrvaltCanvas& map = *w.fcad;
    EXPECT_EQ(map.GetLayerShapeIds(map.FindLayerByName("Survey")).size(), 4u);
    EXPECT_EQ(map.ShapeCount(), 4) << "vessel and grid emptied";
    for (const char* layer : kStandardLayers) EXPECT_NE(map.FindLayerByName(layer), -1) << layer;
    EXPECT_EQ(map.GetLayerTag(UserShapeLayer), 15);
    EXPECT_EQ(map.FindLayerByName("~~Orvalt Vessel"), VesselLayer);
    EXPECT_EQ(w.StatusPanels[3]->text().toStdString(), TestTempFolder());
    EXPECT_EQ(LastOpenedPath, plan);
    EXPECT_EQ(Count(EventsLog(), "\tOpened file: " + plan), 2);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Dialog Open");
}

TEST_F(ProjectCommandsTest, RefusedOpenChangesNothingAndSaysWhy) {
    const std::string damaged = TestTempFolder() + "damaged.smk";
    ASSERT_TRUE(WriteFileAtomically(damaged, "SMK1 not zlib"));
    TFNav& w = Shown();
    w.fcad->AddCircle(1, 1, 1, UserShapeLayer);
    const int layers = static_cast<int>(w.fcad->Layers().size());
    dialogs.fileNames = {QString::fromStdString(damaged)};
    w.Open1Click();

    EXPECT_EQ(w.fcad->ShapeCount(), 1);
    EXPECT_EQ(static_cast<int>(w.fcad->Layers().size()), layers);
    EXPECT_EQ(Count(EventsLog(), "Opened file: "), 0);
    EXPECT_EQ(Count(EventsLog(), "Project not opened: " + damaged +
                                     " (the compressed data is damaged (incorrect header check))"),
              1);
    EXPECT_TRUE(LastOpenedPath.empty());
}

TEST_F(ProjectCommandsTest, StartUpReportsARefusedProjectAndStartsEmpty) {
    const std::string damaged = TestTempFolder() + "cut.smk";
    ASSERT_TRUE(WriteFileAtomically(damaged, "POLYLINE 0 9\n0 0\n"));
    TIniFile(GetSettingsFilePath()).WriteString("FILE", "Last File Saved", damaged);
    TFNav& w = Shown();
    EXPECT_EQ(w.fcad->ShapeCount(), 0);
    EXPECT_NE(w.fcad->FindLayerByName("orvalt_usershape"), -1);
    EXPECT_TRUE(messages->Msg->toPlainText().contains(
        QString::fromStdString("Project not opened: " + damaged + " (line 1: vertex count 9")));
    EXPECT_TRUE(LastOpenedPath.empty());
}

TEST_F(ProjectCommandsTest, CancelledDialogsAndNewAnsweredNoChangeNothing) {
    TFNav& w = Shown();
    w.fcad->AddCircle(1, 1, 1, UserShapeLayer);
    w.fcad->AddSounding(1, 2, 3.5);
    w.fcad->AddNumberLabel(1, 2, 7);
    const auto state = [&] {
        return std::to_string(w.fcad->ShapeCount()) + "/" +
               std::to_string(w.fcad->Layers().size()) + "/" + w.windowTitle().toStdString() + "/" +
               EventsLog() + "/" + ReadFileBytes(GetSettingsFilePath()) + "/" +
               std::to_string(FilesIn(DaySmkDir).size()) + "/" +
               std::to_string(w.fcad->GetSoundings().size()) + "/" +
               std::to_string(w.fcad->NumberLabels.size());
    };
    const std::string before = state();
    w.Open1Click();
    w.SaveAs1Click();
    w.ImportOldQBY1Click();
    dialogs.answers = {TModalResult::No};
    w.New1Click();
    EXPECT_EQ(state(), before);
    EXPECT_EQ(dialogs.fileRequests.size(), 3u);
    EXPECT_EQ(dialogs.messages, std::vector<QString>{"Entire layout will be cleared! Continue?"});

    dialogs.answers = {TModalResult::Yes};
    w.New1Click();
    EXPECT_EQ(w.fcad->ShapeCount(), 0);
    EXPECT_EQ(w.fcad->NextShapeId(), 1);
    EXPECT_TRUE(w.fcad->GetSoundings().empty());
    EXPECT_TRUE(w.fcad->NumberLabels.empty());
    for (const char* layer : kStandardLayers)
        EXPECT_NE(w.fcad->FindLayerByName(layer), -1) << layer;
    EXPECT_EQ(w.fcad->GetLayerTag(UserShapeLayer), 15);
    EXPECT_EQ(Count(EventsLog(), "\tNew layout - cleared all shapes"), 1);
}

TEST_F(ProjectCommandsTest, ExitSavesThenTheCloseSavesAgain) {
    TFNav& w = Shown();
    w.Exit1Click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Count(EventsLog(), "\tAuto-saved: " + AutoPath("2024-05-17 0930")), 2);
}

TEST_F(ProjectCommandsTest, FileCommandsHaveTheirKeysAndCtrlOOpens) {
    TFNav& w = Shown();
    const std::pair<QAction*, const char*> keys[] = {
        {w.New1, "Ctrl+N"},    {w.Open1, "Ctrl+O"},   {w.Save1, "Ctrl+S"}, {w.SaveAs1, "Ctrl+W"},
        {w.Import1, "Ctrl+I"}, {w.Export1, "Ctrl+X"}, {w.Exit1, "Ctrl+Q"}};
    for (const auto& [item, key] : keys) {
        EXPECT_EQ(item->shortcut(), QKeySequence(key));
        EXPECT_TRUE(item->isEnabled()) << key;
    }
    EXPECT_TRUE(w.ImportOldQBY1->isEnabled() && w.bOpen->isEnabled() && w.bSave->isEnabled());
    EXPECT_TRUE(w.About1->isEnabled());
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Dialog Open");
}

TEST_F(ProjectCommandsTest, ImportRefusesAMissingOrUncopyableFile) {
    const std::string settings = GetSettingsFilePath();
    ASSERT_TRUE(WriteFileAtomically(settings, "[SETTINGS]\r\nLanguage=en\r\n"));
    dialogs.fileNames = {QString::fromStdString(TestTempFolder() + "absent.ini")};
    window->ImportOldQBY1Click();
    EXPECT_EQ(dialogs.messages, std::vector<QString>{"Source file does not exist."});
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Import Old QBY INI File");
    EXPECT_EQ(ReadFileBytes(settings), "[SETTINGS]\r\nLanguage=en\r\n");
}

TEST_F(ProjectCommandsTest, ImportReplacesTheSettingsFileAndEndsAtOnce) {
    const std::string old = TestTempFolder() + "old qby.ini";
    const std::string bytes = "[SETTINGS]\r\nLanguage=tr\r\n[FILE]\r\nLast File Saved=x\r\n";
    ASSERT_TRUE(WriteFileAtomically(old, bytes));
    dialogs.fileNames = {QString::fromStdString(old)};
    EXPECT_EXIT(window->ImportOldQBY1Click(), ::testing::ExitedWithCode(255), "");
    EXPECT_EQ(ReadFileBytes(GetSettingsFilePath()), bytes);
}

// A failure while closing is shown, and the ports still close and the program still ends.
TEST_F(ProjectCommandsTest, CloseThatThrowsStillClosesThePortsAndQuits) {
    TPseudoTerminal gps, sounder;
    gps.MapToPort(3);
    sounder.MapToPort(4);
    TFNav& w = Shown();
    w.ZGPS1->Port = 3;
    w.ZSENSOR->Port = 4;
    w.ZGPS1->Open();
    w.ZSENSOR->Open();
    ASSERT_TRUE(w.ZGPS1->Connected() && w.ZSENSOR->Connected());
    w.ZGPS1->OnDisconnect = [](TOrvaltSerialGPS*, int) { throw std::runtime_error("port fault"); };

    QTimer::singleShot(0, &w, [&w] { w.close(); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(30000);
    EXPECT_EQ(QCoreApplication::exec(), 0) << "the close quits the program";
    EXPECT_EQ(dialogs.exceptions, std::vector<QString>{"port fault"});
    EXPECT_FALSE(w.ZGPS1->Connected());
    EXPECT_FALSE(w.ZSENSOR->Connected());
}

}  // namespace
