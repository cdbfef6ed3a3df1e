// The main window's event marks: "Add Event" and Edit > Mark Event (F12) put the next event
// number on the map at the vessel and append its record to the day's events log; "Reset Event"
// starts the numbers from 1 again.

#include "app/StatusReport.h"
#include "canvas/OrvaltCanvas.h"
#include "navigation/CurrentPosition.h"
#include "navigation/EventMarks.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/unavigation.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/Dialogs.h"
#include "platform/EventLog.h"
#include "platform/IniFile.h"
#include "platform/NumberFormat.h"

namespace {

constexpr const char* kSection = "EVENTS";
constexpr const char* kKey = "Event Number";

// The vessel's grid position now, taken as a sounding takes it: the current position projected
// through the run's projection, none without one.
std::optional<TEventPosition> GridPositionNow(const TFNav& window) {
    const std::optional<TCurrentPosition> at = CurrentPosition(*window.ZGPS1, window.RunProjector);
    if (!at || !at->grid) return {};
    return TEventPosition{at->grid->easting, at->grid->northing};
}

std::string DepthText(const QLabel* label) { return label ? label->text().toStdString() : ""; }

void Report(const std::string& text) { ReportStatus(QString::fromStdString(text)); }

}  // namespace

void TFNav::BindEventCommands() {
    MarkEvent1->setShortcut(Qt::Key_F12);
    connect(MarkEvent1, &QAction::triggered, this, &TFNav::MarkEvent1Click);
    connect(btEventAdd, &QToolButton::clicked, this, &TFNav::btEventAddClick);
    connect(btEventReset, &QToolButton::clicked, this, &TFNav::btEventResetClick);
}

// The label and the record come first and the number is stored after them, as each may fail
// on its own: a number that could not be stored is still not given twice in this run.
void TFNav::btEventAddClick() {
    TIniFile ini(GetSettingsFilePath());
    const int number = EventNumbering.Next(ini.ReadInteger(kSection, kKey, 0));
    const std::optional<TEventPosition> position = GridPositionNow(*this);
    if (position) fcad->AddNumberLabel(position->easting, position->northing, number);
    if (ini.WriteInteger(kSection, kKey, number)) {
        EventNumbering.StoreSucceeded();
    } else if (EventNumbering.StoreFailed()) {
        Report("Event number " + IntToStr(number) + " could not be stored in " + ini.FileName() +
               ": the next events go on from it in this run only");
    }
    const std::string path = EventLogFilePath();
    const std::string record =
        EventRecord({number, Now(), position, DepthText(fRealtime ? fRealtime->lDepthHi : nullptr),
                     DepthText(fRealtime ? fRealtime->lDepthLo : nullptr), VesselHeading});
    if (!AppendEventRecord(path, LogDir, record)) {
        Report("Event " + IntToStr(number) + " could not be written to " + path);
    }
}

void TFNav::MarkEvent1Click() { btEventAddClick(); }

void TFNav::btEventResetClick() {
    if (MessageDlg("Event ID will restart from 1 again. Continue?", TMsgDlgType::Warning,
                   mbYes | mbNo) != TModalResult::Yes) {
        return;
    }
    TIniFile ini(GetSettingsFilePath());
    if (!ini.WriteInteger(kSection, kKey, 0)) {
        Report("The event number could not be reset in " + ini.FileName() + "; the numbers go on");
        return;
    }
    EventNumbering.Reset();
    AppendEventLog("Event number was reset.", EventLogFilePath());
}
