// The main window's menus, tool bars and status bar.

#include "navigation/unavigation.h"

#include <QAction>

namespace {

constexpr int kStatusPanelCount = 7;

struct TItemSpec {
    QAction* TFNav::*item;
    const char* name;
    const char* caption;
};

struct TButtonSpec {
    QToolButton* TFNav::*button;
    const char* name;
    const char* caption;
};

// nullptr items stand for separators.
const TItemSpec kFileItems[] = {
    {&TFNav::New1, "New1", "New"},
    {&TFNav::Open1, "Open1", "Open..."},
    {&TFNav::Save1, "Save1", "Save"},
    {&TFNav::SaveAs1, "SaveAs1", "Save As..."},
    {nullptr, nullptr, nullptr},
    {&TFNav::Import1, "Import1", "Import..."},
    {&TFNav::Export1, "Export1", "Export..."},
    {nullptr, nullptr, nullptr},
    {&TFNav::ImportOldQBY1, "ImportOldQBY1", "Import Old QBY..."},
    {nullptr, nullptr, nullptr},
    {&TFNav::Exit1, "Exit1", "Exit"},
};

const TItemSpec kZoomItems[] = {
    {&TFNav::In1, "In1", "In"},
    {&TFNav::Out1, "Out1", "Out"},
    {&TFNav::Extents1, "Extents1", "Extents"},
    {&TFNav::Window2, "Window2", "Window"},
    {&TFNav::Dynamic1, "Dynamic1", "Dynamic"},
};

const TItemSpec kToolsItems[] = {
    {&TFNav::Parameters1, "Parameters1", "Device Settings..."},
    {&TFNav::OffsetsandValues1, "OffsetsandValues1", "Offsets..."},
    {&TFNav::NavigationSettings1, "NavigationSettings1", "Navigation Settings..."},
    {&TFNav::VesselShape1, "VesselShape1", "Vessel Shape..."},
    {&TFNav::SoundVelocityProfile1, "SoundVelocityProfile1", "Sound Velocity Profile..."},
    {&TFNav::Generate1, "Generate1", "Generate Runline..."},
    {nullptr, nullptr, nullptr},
    {&TFNav::OrvaltNTRIPClient1, "OrvaltNTRIPClient1", "Orvalt NTRIP Client..."},
    {nullptr, nullptr, nullptr},
    {&TFNav::themeSelection1, "themeSelection1", "Theme Selection..."},
    {&TFNav::LatencyWatchSet1, "LatencyWatchSet1", "Latency Watch/Set"},
};

const TItemSpec kEditItems[] = {
    {&TFNav::MarkEvent1, "MarkEvent1", "Mark Event"},
    {nullptr, nullptr, nullptr},
    {&TFNav::Deletetracksselected1, "Deletetracksselected1", "Delete tracks selected"},
    {&TFNav::Clearshapesuseradded1, "Clearshapesuseradded1", "Clear shapes user added"},
    {&TFNav::Cleartracksfixed1, "Cleartracksfixed1", "Clear tracks fixed"},
    {&TFNav::Cleartracksunfixed1, "Cleartracksunfixed1", "Clear tracks unfixed"},
    {nullptr, nullptr, nullptr},
    {&TFNav::Followvessel1, "Followvessel1", "Follow vessel"},
    {&TFNav::Donotfollowvessel1, "Donotfollowvessel1", "Do not follow vessel"},
};

const TItemSpec kWindowItems[] = {
    {&TFNav::mRealtimeWindow1, "mRealtimeWindow1", "Realtime Window..."},
    {&TFNav::Echogram1, "Echogram1", "Echogram..."},
    {&TFNav::OpenLogFolder1, "OpenLogFolder1", "Open Log Folder"},
};

const TItemSpec kLanguageItems[] = {
    {&TFNav::English1, "English1", "English"},
    {&TFNav::Turkish1, "Turkish1", "Turkish"},
    {nullptr, nullptr, nullptr},
    {&TFNav::TranslationEditor1, "TranslationEditor1", "Translation Editor"},
};

const TItemSpec kHelpItems[] = {
    {&TFNav::About1, "About1", "About..."},
    {&TFNav::RemoteSupport1, "RemoteSupport1", "Remote Support..."},
};

const TButtonSpec kRealtimeButtons[] = {
    {&TFNav::bRestart, "bRestart", "Restart"},
    {&TFNav::bExit, "bExit", "Exit"},
};

const TButtonSpec kDrawButtons[] = {
    {&TFNav::bOpen, "bOpen", "Open"},
    {&TFNav::bSave, "bSave", "Save"},
    {&TFNav::Zoomin, "Zoomin", "Zoom In"},
    {&TFNav::Zoomout, "Zoomout", "Zoom Out"},
    {&TFNav::Zoomextents, "Zoomextents", "Extents"},
    {&TFNav::Zoomwindow, "Zoomwindow", "Window"},
    {&TFNav::Zoomdynamic, "Zoomdynamic", "Dynamic"},
    {&TFNav::Zoompan, "Zoompan", "Pan"},
    {&TFNav::btEventAdd, "btEventAdd", "Add Event"},
    {&TFNav::btEventReset, "btEventReset", "Reset Event"},
    {&TFNav::bFollowVessel, "bFollowVessel", "Follow Vessel"},
    {&TFNav::ToolButton13, "ToolButton13", "Do Not Follow"},
    {&TFNav::ConnectIcon, "ConnectIcon", "Connect"},
    {&TFNav::tbRunline, "tbRunline", "Runline"},
    {&TFNav::bSelectTracks, "bSelectTracks", "Select Tracks"},
    {&TFNav::bDelSelected, "bDelSelected", "Delete Selected"},
    {&TFNav::ToolButton11, "ToolButton11", "Clear Shapes"},
    {&TFNav::tbFixed, "tbFixed", "Fixed"},
    {&TFNav::tbFloat, "tbFloat", "Float"},
    {&TFNav::tbAuto, "tbAuto", "Auto"},
};

const TButtonSpec kShapeButtons[] = {
    {&TFNav::bMouseSelect, "bMouseSelect", "Select"},
    {&TFNav::ToolButton7, "ToolButton7", "Point"},
    {&TFNav::ToolButton12, "ToolButton12", "Line"},
    {&TFNav::ToolButton21, "ToolButton21", "Rectangle"},
    {&TFNav::ToolButton23, "ToolButton23", "Polyline"},
    {&TFNav::ToolButton27, "ToolButton27", "Ellipse"},
    {&TFNav::ToolButton28, "ToolButton28", "Polygon"},
    {&TFNav::ToolButton29, "ToolButton29", "Spline"},
    {&TFNav::ToolButton30, "ToolButton30", "Arc"},
    {&TFNav::ToolButton31, "ToolButton31", "Circle"},
};

// Shows the down state that the GNSS port's connect and disconnect reports set; a click starts
// or stops real time and leaves that state alone.
class TReportedStateButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void nextCheckState() override {}
};

template <size_t N>
QMenu* AddMenu(TFNav* window, const char* name, const char* caption, const TItemSpec (&items)[N]) {
    QMenu* menu = window->MainMenu1->addMenu(caption);
    menu->setObjectName(name);
    for (const TItemSpec& spec : items) {
        if (!spec.item) {
            menu->addSeparator();
            continue;
        }
        QAction* item = menu->addAction(spec.caption);
        item->setObjectName(spec.name);
        window->*spec.item = item;
    }
    return menu;
}

template <size_t N>
QToolBar* AddToolBar(TFNav* window, const char* name, const TButtonSpec (&buttons)[N]) {
    QToolBar* bar = window->addToolBar(name);
    bar->setObjectName(name);
    bar->setMovable(false);
    for (const TButtonSpec& spec : buttons) {
        auto* button = new QToolButton(bar);
        button->setObjectName(spec.name);
        button->setText(spec.caption);
        bar->addWidget(button);
        window->*spec.button = button;
    }
    return bar;
}

}  // namespace

void TFNav::CreateMenus() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");
    File1 = AddMenu(this, "File1", "&File", kFileItems);
    Zoom1 = AddMenu(this, "Zoom1", "&Zoom", kZoomItems);
    Tools1 = AddMenu(this, "Tools1", "&Tools", kToolsItems);
    Edit1 = AddMenu(this, "Edit1", "&Edit", kEditItems);
    Window1 = AddMenu(this, "Window1", "&Window", kWindowItems);
    Language1 = AddMenu(this, "Language1", "&Languages", kLanguageItems);
    Help1 = AddMenu(this, "Help1", "&Help", kHelpItems);
    connect(OrvaltNTRIPClient1, &QAction::triggered, this, [this] { OrvaltNTRIPClient1Click(); });
}

void TFNav::CreateToolBars() {
    tRealtime = AddToolBar(this, "tRealtime", kRealtimeButtons);
    // The Start button shows the state the port reports give it, not its own clicks.
    bRealtime = new TReportedStateButton(tRealtime);
    bRealtime->setObjectName("bRealtime");
    bRealtime->setText("Realtime");
    tRealtime->insertWidget(tRealtime->actions().value(0), bRealtime);
    bRealtime->setCheckable(true);
    tDraw = AddToolBar(this, "tDraw", kDrawButtons);
    addToolBarBreak();
    tShape = AddToolBar(this, "tShape", kShapeButtons);
}

void TFNav::CreateStatusBar() {
    sStatusBar = statusBar();
    sStatusBar->setObjectName("sStatusBar");
    for (int i = 0; i < kStatusPanelCount; ++i) {
        auto* panel = new QLabel(sStatusBar);
        // Panel 0 grows with its prompts and selection counts, so they are read whole.
        if (i == 0) {
            panel->setMinimumWidth(kStatusPanelWidth);
        } else {
            panel->setFixedWidth(kStatusPanelWidth);
        }
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        sStatusBar->addWidget(panel);
        StatusPanels.push_back(panel);
    }
}

// Commands whose work comes with a later part of the program stay visible but disabled; so do
// the pan button and "Delete tracks selected", which have no command of their own (the Delete
// key deletes the selection).
void TFNav::DisableUnbuiltCommands() {
    for (QAction* item : {SoundVelocityProfile1, Deletetracksselected1}) {
        item->setEnabled(false);
    }
    Zoompan->setEnabled(false);
}
