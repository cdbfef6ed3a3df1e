// Ticking "SAVE && LOCK SETTINGS" writes some seventy keys, notes the save in the events log and
// applies the display options, on the user-interface thread, also while the ports are read.
// It is timed against the least any save of the same file costs: one atomic rewrite of the
// saved settings file (temporary file, flush to disk, rename). For comparison, the same keys are
// also written one rewrite each, as a write-through settings file does without gathering them.
//
// The files lie in a folder below the working directory, so the flushes reach a disk rather
// than memory: run it from a disk-backed folder such as the build folder.

#include "benchmarks/canvas/MedianReporter.h"
#include "benchmarks/tools/BenchmarkRoots.h"
#include "navigation/MainWindowSettings.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "tools/SettingControls.h"
#include "tools/SettingKeys.h"
#include "tools/UGPS.h"

#include <QApplication>
#include <QDir>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void SaveAndLock(benchmark::State& state, TFGPS* window) {
    for (auto _ : state) {
        {
            const QSignalBlocker blocker(window->LockStateCheck1);
            window->LockStateCheck1->setChecked(false);
        }
        window->LockStateCheck1->setChecked(true);
    }
    if (!window->LockStateCheck1->isChecked()) state.SkipWithError("the save failed");
}

void KeyByKey(benchmark::State& state, TFGPS* window) {
    TIniFile ini(GetSettingsFilePath());
    for (auto _ : state) {
        bool written = ini.WriteBool("LOCK SETTINGS", "Lock Settings", true);
        for (const auto keys : {std::span<const TSettingKey>(kCommunicationKeys),
                                std::span<const TSettingKey>(kGeodeticKeys),
                                std::span<const TSettingKey>(kDisplayKeys)}) {
            written = written && StoreSettingKeys(window, ini, keys);
        }
        if (!written) state.SkipWithError("a write failed");
    }
}

void OneRewrite(benchmark::State& state, const std::string* bytes) {
    for (auto _ : state) {
        if (!WriteFileAtomically(GetSettingsFilePath(), *bytes)) state.SkipWithError("failed");
    }
}

// A surveyor's settings: the ports and a projection filled in.
void FillFields(TFGPS& window) {
    window.Port->setCurrentText("COM4");
    window.BaudRate->setCurrentText("38400");
    window.SPort->setCurrentText("COM5");
    window.SBaudRate->setCurrentText("4800");
    window.edSMA->setText("6378388");
    window.edIF->setText("0.00336700336700337");
    window.edNameOfDatum->setText("ED50");
    window.edCM->setText("27");
    window.edSF->setText("0.9996");
    window.edFE->setText("500000");
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder(QDir::currentPath() + "/save-and-lock-XXXXXX");
    UseBenchmarkRoots(folder.path());
    QApplication application(argc, argv);
    StartBenchmarkDay();
    CreateDayFolderTree();
    std::printf("settings file: %s\n", GetSettingsFilePath().c_str());

    TFGPS window;
    FillFields(window);
    window.LockStateCheck1->setChecked(true);
    std::string saved;
    if (!window.LockStateCheck1->isChecked() || !ReadFileBytes(GetSettingsFilePath(), saved)) {
        std::printf("the first save failed\n");
        return 1;
    }
    static const std::string bytes = saved;
    std::printf("%zu bytes\n", bytes.size());

    for (auto* run : {benchmark::RegisterBenchmark("save_and_lock", SaveAndLock, &window),
                      benchmark::RegisterBenchmark("key_by_key", KeyByKey, &window),
                      benchmark::RegisterBenchmark("one_rewrite", OneRewrite, &bytes)}) {
        run->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
    }
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.PrintRatio("save and lock", "save_and_lock", "one_rewrite", "<= 3");
    reporter.PrintRatio("the keys one rewrite each", "key_by_key", "one_rewrite", "none");
    return 0;
}
