#include "navigation/unavigation.h"

#include "app/About.h"
#include "app/FormPlacement.h"
#include "app/GuardedApplication.h"
#include "app/StatusReport.h"
#include "app/StyleManager.h"
#include "app/TranslateCaptions.h"
#include "app/TranslationEditor.h"
#include "app/Translator.h"
#include "app/UMsg.h"
#include "app/uTheme.h"
#include "canvas/DisplaySettings.h"
#include "canvas/MapLayerNames.h"
#include "canvas/OrvaltCanvas.h"
#include "canvas/QPainterSurface.h"
#include "devices/OrvaltSerialGPS.h"
#include "devices/uNTRIPSettings.h"
#include "navigation/MainWindowSettings.h"
#include "navigation/MapTick.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/Screenshots.h"
#include "navigation/uCanvas.h"
#include "navigation/uJoystick.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"
#include "tools/URunlines.h"
#include "tools/UShape.h"
#include "tools/USoundVelocity.h"
#include "tools/unavset.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QThread>
#include <QVBoxLayout>
#include <string_view>

TFNav* FNav = nullptr;

namespace {

constexpr int kLanguagePanel = 4;
constexpr int kPanelTextMargin = 20;
constexpr int kPortSettleMs = 50;  // lets the last bytes settle before and after the ports close

const char* const kStandardLayers[] = {
    kGridLayerName,      kFixedTrackLayerName, kNoFixTrackLayerName,  kFloatTrackLayerName,
    kTempShapeLayerName, kUserShapeLayerName,  kEventNumberLayerName, kVesselLayerName};

}  // namespace

TFNav::TFNav(QWidget* parent) : QMainWindow(parent), MapTick(std::make_unique<TMapTick>()) {
    setObjectName("FNav");
    setWindowTitle("Quellbay");
    resize(1024, 700);
    FormCreate();
}

// The ports go first, so that no port event reaches a half-destroyed window.
TFNav::~TFNav() {
    ZGPS1.reset();
    ZSENSOR.reset();
}

void TFNav::FormCreate() {
    CreateDayFolderTree();
    const QString icon = QString::fromStdString(ProgramFolder() + "Quellbay2.ico");
    if (QFileInfo::exists(icon)) {
        QApplication::setWindowIcon(QIcon(icon));
        setWindowIcon(QIcon(icon));
    }
    if (!Translator) Translator = std::make_unique<TTranslator>();
    const TMainWindowStartSettings start =
        ReadMainWindowStartSettings(TIniFile(GetSettingsFilePath()));
    OverlayFontSize = start.overlayFontSize;
    if (start.language != "en") Translator->SetLanguage(start.language);

    CreateMenus();
    CreateToolBars();
    CreateCanvas();
    CreateStatusBar();
    CreateTimers();
    CreateSerialPorts();
    CreateProjectCommands();
    DisableUnbuiltCommands();
    BindWindowCommands();
    BindMapCommands();
    BindEventCommands();
    ShowLanguageInStatusBar();
    // Dates, times and numbers have one fixed, locale-free text form throughout the program,
    // so there are no process-wide formats to set.
    FMemoEchoEnabled = true;
    bRealtime->setText(Tr("Start"));
    bRealtime->setFixedWidth(70);
}

void TFNav::CreateCanvas() {
    Panel4 = new QWidget(this);
    Panel4->setObjectName("Panel4");
    auto* layout = new QVBoxLayout(Panel4);
    layout->setContentsMargins(0, 0, 0, 0);
    fcad = new TOrvaltCanvas(Panel4);
    fcad->setObjectName("fcad");
    layout->addWidget(fcad, 1);
    pRealtime = new QWidget(Panel4);
    pRealtime->setObjectName("pRealtime");
    pRealtime->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    layout->addWidget(pRealtime, 0);
    setCentralWidget(Panel4);
    TakeStylePanelColor();

    using namespace std::placeholders;
    fcad->OnShapeNumberSelected = std::bind(&TFNav::fcadShapeNumberSelected, this, _1, _2, _3);
    fcad->OnWorldMouseMove = std::bind(&TFNav::fcadWorldMouseMove, this, _1, _2, _3, _4, _5, _6);
    fcad->OnWorldMouseDown = std::bind(&TFNav::fcadWorldMouseDown, this, _1, _2, _3, _4, _5, _6);
    fcad->OnDrawBegin = std::bind(&TFNav::fcadDrawBegin, this, _1, _2, _3, _4);
    fcad->OnDrawEnd = std::bind(&TFNav::fcadDrawEnd, this, _1, _2, _3, _4);
    fcad->OnDblClick = std::bind(&TFNav::fcadDblClick, this, _1);
}

void TFNav::TakeStylePanelColor() {
    fcad->SetBackgroundColor(ToTColor(TStyleManager::PanelColor()));
    fcad->update();
}

void TFNav::CreateTimers() {
    const auto make = [this](const char* name, int intervalMs) {
        auto* timer = new QTimer(this);
        timer->setObjectName(name);
        timer->setInterval(intervalMs);
        return timer;
    };
    tMap = make("tMap", 200);
    connect(tMap, &QTimer::timeout, this, &TFNav::tMapTimer);
    tEchogram = make("tEchogram", 200);
    connect(tEchogram, &QTimer::timeout, this, &TFNav::tEchogramTimer);
    tEchogram->start();
    tScreenshot = make("tScreenshot", 30000);
    connect(tScreenshot, &QTimer::timeout, this, &TFNav::tScreenshotTimer);
    tScreenshot->start();
    Screenshots = std::make_unique<TScreenshots>(std::make_unique<TPlatformScreenCapture>(),
                                                 EncodeStrongestPng,
                                                 [](const QString& text) { ReportStatus(text); });
}

void TFNav::tScreenshotTimer() { Screenshots->Tick(); }

void TFNav::CreateSerialPorts() {
    using namespace std::placeholders;
    ZGPS1 = std::make_unique<TOrvaltSerialGPS>();
    ZGPS1->OnConnect = std::bind(&TFNav::ZGPS1Connect, this, _1, _2);
    ZGPS1->OnDisconnect = std::bind(&TFNav::ZGPS1Disconnect, this, _1, _2);
    ZGPS1->OnIdle = std::bind(&TFNav::ZGPS1Idle, this, _1);
    ZGPS1->OnTimeout = std::bind(&TFNav::ZGPS1Timeout, this, _1);
    ZGPS1->OnNewCommand = std::bind(&TFNav::ZGPS1NewCommand, this, _1, _2);
    ZGPS1->OnPosition3DChange = std::bind(&TFNav::ZGPS1Position3DChange, this, _1, _2, _3, _4);
    ZGPS1->OnSpeedChange = std::bind(&TFNav::ZGPS1SpeedChange, this, _1, _2);
    ZGPS1->OnSend = std::bind(&TFNav::ZGPS1Send, this, _1, _2);
    ZSENSOR = std::make_unique<TOrvaltSerialGPS>();
    ZSENSOR->OnNewCommand = std::bind(&TFNav::ZSENSORNewCommand, this, _1, _2);
    for (TOrvaltSerialGPS* port : {ZGPS1.get(), ZSENSOR.get()}) {
        port->TimeFormat = "hhnnsszzz";
        port->DateFormat = "YYYY-MM-DD";
    }
}

void TFNav::ShowLanguageInStatusBar() {
    if (StatusPanels.size() <= kLanguagePanel || !Translator) return;
    QLabel* panel = StatusPanels[kLanguagePanel];
    panel->setText(QString::fromStdString(Translator->currentLanguage()).toUpper());
    panel->setFixedWidth(panel->fontMetrics().horizontalAdvance("EN") + 16);
}

void TFNav::SetStatusPanelText(int panel, const QString& text) {
    if (panel >= 0 && panel < static_cast<int>(StatusPanels.size())) {
        StatusPanels[panel]->setText(text);
    }
}

void TFNav::SetStatusPanelFitted(int panel, const QString& text) {
    if (panel < 0 || panel >= static_cast<int>(StatusPanels.size())) return;
    StatusPanels[panel]->setText(text);
    StatusPanels[panel]->setFixedWidth(sStatusBar->fontMetrics().horizontalAdvance(text) +
                                       kPanelTextMargin);
}

void TFNav::CreateStandardLayers(TOrvaltCanvas* canvas) {
    if (!canvas) return;
    for (const char* name : kStandardLayers) {
        int id = canvas->FindLayerByName(name);
        if (id == -1) id = canvas->AddLayer(name);
        const std::string_view layer(name);
        if (layer == kGridLayerName) GridLayer = id;
        if (layer == kUserShapeLayerName) UserShapeLayer = id;
        if (layer == kVesselLayerName) VesselLayer = id;
    }
}

void TFNav::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous() && !reshowing_) FormShow();
}

void TFNav::FormShow() {
    CreateStandardLayers(fcad);
    TranslateToolbar();
    const TIniFile ini(GetSettingsFilePath());
    const std::string lastProject = ReadLastProjectPath(ini);
    if (!lastProject.empty() && FileExists(lastProject)) LoadProjectFile(lastProject);
    for (const char* layer : {kVesselLayerName, kGridLayerName}) {
        const int id = fcad->FindLayerByName(layer);
        if (id != -1) fcad->DeleteLayerShapes(id);
    }
    setWindowTitle("Quellbay - " + QString::fromStdString(lastProject));
    ApplyCanvasViewSettings(ReadCanvasViewSettings(ini));
    const int screenshotSeconds = ReadScreenshotIntervalSeconds(ini);
    if (FGPS) {
        FGPS->eScreenshotInterval->setText(QString::number(screenshotSeconds));
        FGPS->CopyGridToMainMap();  // the surveyor's grid over the one of the stored view
    }
    ApplyScreenshotInterval(*tScreenshot, screenshotSeconds);
    CreateStandardLayers(fcad);
    RestoreFormPlacement(this, true);
    if (Offsets) Offsets->show();
    if (fJoystick) fJoystick->show();
}

// The stored view was the shape of the map when it was stored; it is fitted to the map as it is
// now, so circles stay round.
void TFNav::ApplyCanvasViewSettings(const TCanvasViewSettings& view) {
    if (!fcad->FitView(view.left, view.top, view.right, view.bottom)) {
        const TCanvasViewSettings defaults;
        fcad->FitView(defaults.left, defaults.top, defaults.right, defaults.bottom);
    }
    fcad->GridAutoSpacing = view.gridAutoScale;
    fcad->BigNumberCorner = view.depthSpeedDisplayMode;
    fcad->PositionTextCorner = view.ggaOverlayPosition;
}

void TFNav::StoreCanvasViewSettings() {
    TIniFile ini(GetSettingsFilePath());
    WriteCanvasViewSettings(
        ini, {fcad->ViewLeft, fcad->ViewRight, fcad->ViewTop, fcad->ViewBottom,
              fcad->GridAutoSpacing, fcad->BigNumberCorner, fcad->PositionTextCorner});
}

// A failure on the way out is shown, and the ports still close and the program still ends: a
// window that hid without quitting would leave an invisible program holding its ports.
void TFNav::closeEvent(QCloseEvent* event) {
    RunGuarded([this] {
        FormCloseQuery();
        return true;
    });
    for (TOrvaltSerialGPS* port : {ZGPS1.get(), ZSENSOR.get()}) {
        RunGuarded([port] {
            port->Close();
            return true;
        });
    }
    event->accept();
    QCoreApplication::quit();
}

void TFNav::FormCloseQuery() {
    bRealtime->setEnabled(false);
    QCoreApplication::processEvents();
    QThread::msleep(kPortSettleMs);
    ZGPS1->Close();
    ZSENSOR->Close();
    QThread::msleep(kPortSettleMs);
    if (SurveyLogFile) {
        std::fclose(SurveyLogFile);
        SurveyLogFile = nullptr;
    }
    Save1Click();
    for (QWidget* window : std::initializer_list<QWidget*>{Offsets, Navset, this, fRealtime, fSVP,
                                                           fRunline1, fWaterfal, fJoystick}) {
        if (window) SaveFormPlacement(window);
    }
    for (QWidget* window :
         std::initializer_list<QWidget*>{Navset, Offsets, FGPS, fRealtime, fRunline1, fWaterfal}) {
        if (window) window->close();
    }
    StoreCanvasViewSettings();
}

void TFNav::TranslateToolbar() {
    if (!Translator) return;
    for (QAction* item : MainMenu1->actions()) TranslateMenuItem(item);
    bRealtime->setText(Tr(bRealtime->isChecked() ? "Stop" : "Start"));
    const std::pair<QToolButton*, const char*> captions[] = {{bSelectTracks, "Select Tracks"},
                                                             {bDelSelected, "Delete Selected"},
                                                             {bFollowVessel, "Follow Vessel"},
                                                             {ToolButton13, "Do Not Follow"},
                                                             {ConnectIcon, "Connect"},
                                                             {ToolButton11, "Clear Shapes"},
                                                             {btEventAdd, "Add Event"},
                                                             {btEventReset, "Reset Event"},
                                                             {Zoomin, "Zoom In"},
                                                             {Zoomout, "Zoom Out"},
                                                             {bOpen, "Open"},
                                                             {bSave, "Save"},
                                                             {tbRunline, "Runline"}};
    for (const auto& [button, english] : captions) button->setText(Tr(english));
    TranslateForm(this);
    for (QWidget* window :
         std::initializer_list<QWidget*>{fRealtime, Navset, Offsets, FShape, fSVP, formAbout, FMsg,
                                         FGPS, frmNTRIPSettings, fRunline1}) {
        TranslateForm(window);
    }
    if (fWaterfal) fWaterfal->setWindowTitle(Tr("Acoustics Waterfall"));
    if (fTheme) {
        fTheme->setWindowTitle(Tr("Theme Selection"));
        fTheme->bSaveExit->setText(Tr("Save && Exit"));
        fTheme->bCancel->setText(Tr("Cancel"));
    }
}

void TFNav::OrvaltNTRIPClient1Click() {
    if (!frmNTRIPSettings) frmNTRIPSettings = new TfrmNTRIPSettings(this);
    if (ZGPS1 && ZGPS1->Connected()) {
        frmNTRIPSettings->AttachGpsPort(ZGPS1->PortSink(), TOrvaltSerialGPS::PortName(ZGPS1->Port));
        frmNTRIPSettings->UpdatePosition(ZGPS1->GetLatitude(), ZGPS1->GetLongitude(),
                                         ZGPS1->GetAltitude());
    }
    frmNTRIPSettings->show();
}
