// The main window's frame commands: the status-bar click, the map-only mode by a double click
// on the position text, restart, exit and remote support.

#include "canvas/OrvaltCanvas.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QProcess>
#include <QUrl>

namespace {

constexpr int kProjectFolderPanel = 3;
// The maker's remote-support program, shipped beside this one.
const char kRemoteSupportProgram[] = "Halvex";

}  // namespace

// The status bar hears of a click on one of its panels once the panel has let it pass.
void TFNav::StatusBarMouse(QObject* watched, QEvent* event) {
    if (watched != sStatusBar) return;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) StatusBarClick(mouse->position().toPoint().x());
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        StatusBarDblClick();
    }
}

// Opens the folder that panel 3 shows: the one above the opened file's folder.
void TFNav::StatusBarClick(int x) {
    if (StatusPanels.size() <= kProjectFolderPanel || LastOpenedPath.empty()) return;
    const QLabel* panel = StatusPanels[kProjectFolderPanel];
    if (x < panel->x() || x >= panel->x() + panel->width()) return;
    const std::string folder = ProjectFolderShown(LastOpenedPath);
    if (folder.empty()) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
}

// Only a double click on the position text counts. The way out leaves the real-time window
// hidden; the echogram comes back if it was shown.
void TFNav::fcadDblClick(TOrvaltCanvas* Sender) {
    const QPoint at = Sender->mapFromGlobal(QCursor::pos());
    if (!fRealtime || !Sender->IsOnPositionText(at.x(), at.y())) return;
    if (fRealtime->InMapOnlyMode()) {
        fRealtime->RestoreMainWindow(SensorWindowsShown);
    } else {
        fRealtime->btHide->click();
    }
}

// The window closes only once the new instance runs, so a failed start leaves the surveyor
// with the program still open.
void TFNav::bRestartClick() {
    if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), {})) {
        ShowMessage("The program could not be restarted.");
        return;
    }
    close();
}

// As File > Exit: the drawing is saved and the window closes with its own handling, so the ports
// close, the settings are written and the program ends with status 0. Ending the process at
// once lost every shape drawn and the track since the last save.
void TFNav::bExitClick() { Exit1Click(); }

void TFNav::RemoteSupport1Click() {
    const QString program = QString::fromStdString(ProgramFolder() + kRemoteSupportProgram);
    if (!QProcess::startDetached(program, {})) {
        ShowMessage("Remote support could not be started: " + program);
    }
}
