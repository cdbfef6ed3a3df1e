// The main window's project commands: new layout, open, save under the automatic name or a
// chosen one, exit, and the import of an older installation's settings file.
//
// A command whose save or load fails writes no success record and leaves the settings entry
// and the caption as they were; it reports "Project not saved: " or "Project not opened: "
// in the message window, never modally (the close saves), and in the events log.

#include "app/StatusReport.h"
#include "canvas/MapLayerNames.h"
#include "canvas/OrvaltCanvas.h"
#include "navigation/NavigationState.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/Dialogs.h"
#include "platform/EventLog.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/SettingsWriteReport.h"
#include "platform/TextFile.h"

#include <QKeySequence>
#include <cstdlib>
#include <exception>

namespace {

constexpr int kProjectFolderPanel = 3;
const QString kProjectFilter = "Stellmark [*.smk] (*.smk);;All Files [*.*] (*)";

void Log(const std::string& text) { AppendEventLog(text, EventLogFilePath()); }

// Shown in the message window and written to the events log.
void Report(const std::string& text) { ReportStatus(QString::fromStdString(text)); }

}  // namespace

void TFNav::CreateProjectCommands() {
    const std::pair<QAction*, QKeyCombination> shortcuts[] = {
        {New1, Qt::CTRL | Qt::Key_N},    {Open1, Qt::CTRL | Qt::Key_O},
        {Save1, Qt::CTRL | Qt::Key_S},   {SaveAs1, Qt::CTRL | Qt::Key_W},
        {Import1, Qt::CTRL | Qt::Key_I}, {Export1, Qt::CTRL | Qt::Key_X},
        {Exit1, Qt::CTRL | Qt::Key_Q}};
    for (const auto& [item, keys] : shortcuts) item->setShortcut(QKeySequence(keys));
    connect(New1, &QAction::triggered, this, &TFNav::New1Click);
    connect(Open1, &QAction::triggered, this, &TFNav::Open1Click);
    connect(Save1, &QAction::triggered, this, &TFNav::Save1Click);
    connect(SaveAs1, &QAction::triggered, this, &TFNav::SaveAs1Click);
    connect(Exit1, &QAction::triggered, this, &TFNav::Exit1Click);
    connect(Import1, &QAction::triggered, this, &TFNav::Import1Click);
    connect(Export1, &QAction::triggered, this, &TFNav::Export1Click);
    connect(ImportOldQBY1, &QAction::triggered, this, &TFNav::ImportOldQBY1Click);
    connect(bOpen, &QToolButton::clicked, this, &TFNav::Open1Click);
    connect(bSave, &QToolButton::clicked, this, &TFNav::Save1Click);
}

void TFNav::New1Click() {
    if (MessageDlg("Entire layout will be cleared! Continue?", TMsgDlgType::Warning,
                   mbYes | mbNo) != TModalResult::Yes) {
        return;
    }
    fcad->DeleteLayerShapes(-1);
    fcad->ClearSoundings();
    fcad->ClearNumberLabels();
    Log("New layout - cleared all shapes");
    CreateStandardLayers(fcad);
    fcad->SetLayerTag(UserShapeLayer, kUserShapeTag);
}

void TFNav::Open1Click() {
    const QString chosen = OpenFileName({"Dialog Open", kProjectFilter, {}, {}, false});
    if (chosen.isEmpty()) return;
    const std::string path = chosen.toStdString();
    std::string reason;
    const bool loaded = fcad->LoadProject(chosen, 2, &reason);
    RecordProjectCommand(TProjectCommand::Open, path, loaded, reason);
    if (!loaded) return;
    ShowProjectFolder(path);
    VesselLayer = fcad->FindLayerByName(kVesselLayerName);
    if (VesselLayer != -1) fcad->DeleteLayerShapes(VesselLayer);
    GridLayer = fcad->FindLayerByName(kGridLayerName);
    if (GridLayer != -1) fcad->DeleteLayerShapes(GridLayer);
    fcad->SetLayerTag(UserShapeLayer, kUserShapeTag);
    CreateStandardLayers(fcad);
}

void TFNav::Save1Click() {
    try {
        const std::string path = AutomaticProjectPath();
        EmptyGridAndVesselLayers();
        std::string reason;
        const bool saved = fcad->SaveProject(QString::fromStdString(path), &reason);
        RecordProjectCommand(TProjectCommand::AutoSave, path, saved, reason);
        if (saved) {
            // Unrecorded, the next start would reload an older project without a word.
            TIniFile ini(GetSettingsFilePath());
            if (!ini.WriteString("FILE", "Last File Saved       ", path)) {
                ReportSettingsNotSaved(ini.FileName());
            }
            setWindowTitle("Quellbay - " + QString::fromStdString(path));
        }
    } catch (const std::exception& error) {
        Report(std::string("Project not saved: ") + error.what());
    }
    SaveSoundVelocityMemos();
}

void TFNav::SaveAs1Click() {
    const QString chosen = SaveFileName({"Dialog Save", kProjectFilter, {}, {}, true});
    if (chosen.isEmpty()) return;
    const std::string path = chosen.toStdString();
    EmptyGridAndVesselLayers();
    std::string reason;
    const bool saved = fcad->SaveProject(chosen, &reason);
    if (saved) setWindowTitle("Quellbay  <" + chosen + ">");
    RecordProjectCommand(TProjectCommand::SaveAs, path, saved, reason);
}

void TFNav::Exit1Click() {
    Save1Click();
    close();
}

// The copy goes through a temporary file, so a failed copy leaves the settings file whole.
// The process then ends at once: nothing may write the old settings back on the way out.
void TFNav::ImportOldQBY1Click() {
    const QString chosen = OpenFileName(
        {"Import Old QBY INI File", "INI Files (*.ini);;All Files (*)", {}, {}, false});
    if (chosen.isEmpty()) return;
    const std::string source = chosen.toStdString();
    if (!FileExists(source)) {
        ShowMessage("Source file does not exist.");
        return;
    }
    std::string bytes;
    if (!ReadFileBytes(source, bytes) ||
        !WriteFileAtomically(GetSettingsFilePath(), bytes, kPrivateFileMode)) {
        ShowMessage("Failed to copy INI file.");
        return;
    }
    ShowMessage("INI file imported successfully. The application will now close.");
    std::_Exit(-1);
}

void TFNav::ShowProjectFolder(const std::string& path) {
    LastOpenedPath = path;
    SetStatusPanelFitted(kProjectFolderPanel, QString::fromStdString(ProjectFolderShown(path)));
}

bool TFNav::LoadProjectFile(const std::string& path) {
    std::string reason;
    const bool loaded = fcad->LoadProject(QString::fromStdString(path), 0, &reason);
    RecordProjectCommand(TProjectCommand::StartUpReload, path, loaded, reason);
    if (loaded) ShowProjectFolder(path);
    return loaded;
}

// A layer id that names no layer is skipped: DeleteLayerShapes(-1) would empty the drawing.
void TFNav::EmptyGridAndVesselLayers() {
    for (const int layer : {GridLayer, VesselLayer}) {
        if (fcad->FindLayer(layer)) fcad->DeleteLayerShapes(layer);
    }
}

void TFNav::RecordProjectCommand(TProjectCommand command, const std::string& path, bool succeeded,
                                 const std::string& reason) {
    const std::string record = ProjectCommandRecord(command, path, succeeded, reason);
    if (!succeeded) {
        Report(record);
    } else if (!record.empty()) {
        Log(record);
    }
}

// The sound-velocity window's working memos are saved here with the project; they come with
// that window.
void TFNav::SaveSoundVelocityMemos() {}
