#pragma once
// The main window: the map, the two serial ports and the real-time loop around them.
//
// It is the first window created and the last to close; closing it closes the ports, writes
// the window placements and the map view, and ends the program. The navigation state it owns
// lives in NavigationState.h. Commands whose work is not built yet show disabled.

#include "navigation/EventMarks.h"
#include "navigation/GnssLine.h"
#include "navigation/MapCommandTexts.h"
#include "navigation/MapProjector.h"
#include "navigation/ProjectCommandTexts.h"
#include "navigation/SounderLine.h"
#include "navigation/SoundingLog.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

struct TCanvasViewSettings;
class TMapTick;
class TOrvaltCanvas;
class TOrvaltKeyPanel;
class TOrvaltNumericKeypad;
class TOrvaltSerialGPS;
class TOrvaltSimpleKeyboard;
class TScreenshots;
class TfTranslationEditor;

class TFNav : public QMainWindow {
public:
    explicit TFNav(QWidget* parent = nullptr);
    ~TFNav() override;

    // Menus.
    QMenuBar* MainMenu1;
    QMenu *File1, *Zoom1, *Tools1, *Edit1, *Window1, *Language1, *Help1;
    QAction *New1, *Open1, *Save1, *SaveAs1, *Import1, *Export1, *ImportOldQBY1, *Exit1;
    QAction *In1, *Out1, *Extents1, *Window2, *Dynamic1;
    QAction *Parameters1, *OffsetsandValues1, *NavigationSettings1, *VesselShape1,
        *SoundVelocityProfile1, *Generate1, *OrvaltNTRIPClient1, *themeSelection1,
        *LatencyWatchSet1;
    QAction *MarkEvent1, *Deletetracksselected1, *Clearshapesuseradded1, *Cleartracksfixed1,
        *Cleartracksunfixed1, *Followvessel1, *Donotfollowvessel1;
    QAction *mRealtimeWindow1, *Echogram1, *OpenLogFolder1;
    QAction *English1, *Turkish1, *TranslationEditor1;
    QAction *About1, *RemoteSupport1;

    // Tool bars and their buttons.
    QToolBar *tRealtime, *tDraw, *tShape;
    QToolButton *bRealtime, *bRestart, *bExit;
    QToolButton *bOpen, *bSave, *Zoomin, *Zoomout, *Zoomextents, *Zoomwindow, *Zoomdynamic,
        *Zoompan, *btEventAdd, *btEventReset, *bFollowVessel, *ToolButton13, *ConnectIcon,
        *tbRunline, *bSelectTracks, *bDelSelected, *ToolButton11, *tbFixed, *tbFloat, *tbAuto;
    QToolButton *bMouseSelect, *ToolButton7, *ToolButton12, *ToolButton21, *ToolButton23,
        *ToolButton27, *ToolButton28, *ToolButton29, *ToolButton30, *ToolButton31;

    QWidget* Panel4;     // holds the map
    QWidget* pRealtime;  // position read-outs above the status bar
    QStatusBar* sStatusBar;
    std::vector<QLabel*> StatusPanels;  // the status bar's seven panels
    static constexpr int kStatusPanelWidth = 100;

    QTimer* tMap;
    QTimer* tEchogram;
    QTimer* tScreenshot;
    // A picture of every monitor into the day's PNG folder (Screenshots.h).
    void tScreenshotTimer();
    std::unique_ptr<TScreenshots> Screenshots;

    std::unique_ptr<TOrvaltSerialGPS> ZGPS1;    // GNSS receiver
    std::unique_ptr<TOrvaltSerialGPS> ZSENSOR;  // echo sounder
    TOrvaltCanvas* fcad;                        // the map, owned by Panel4
    std::string FDatumParameterString;
    bool FMemoEchoEnabled = false;  // echo received lines into the settings window's memos

    void FormCreate();
    void FormShow();
    // Always lets the window close, after closing the ports and writing the settings.
    void FormCloseQuery();

    // Finds or creates the standard layers in their order and keeps the ids of the grid,
    // user-shape and vessel layers.
    static void CreateStandardLayers(TOrvaltCanvas* canvas);
    void TranslateToolbar();
    void SetStatusPanelText(int panel, const QString& text);
    // Sets the text and fits the panel's width to it.
    void SetStatusPanelFitted(int panel, const QString& text);

    // GNSS port events.
    void ZGPS1Connect(TOrvaltSerialGPS* Sender, int Port);
    void ZGPS1Disconnect(TOrvaltSerialGPS* Sender, int Port);
    void ZGPS1Idle(TOrvaltSerialGPS* Sender);
    void ZGPS1Timeout(TOrvaltSerialGPS* Sender);
    void ZGPS1NewCommand(TOrvaltSerialGPS* Sender, const std::string& Line);
    void ZGPS1Position3DChange(TOrvaltSerialGPS* Sender, double Lat, double Lon, double Alt);
    void ZGPS1SpeedChange(TOrvaltSerialGPS* Sender, double Speed);
    void ZGPS1Send(TOrvaltSerialGPS* Sender, const std::string& Text);
    TGnssLineReader GnssLineReader;
    // Real time (MainWindowRealtime.cpp): Start/Stop, and the sounder watchdog's report.
    void bRealtimeClick();
    void ZSENSORTimeout();
    // The echogram timer's tick: the sounder watchdog, then the new depth into the echogram.
    void tEchogramTimer();
    void Echogram1Click();
    // The map timer's tick (MapTick.h).
    void tMapTimer();
    std::unique_ptr<TMapTick> MapTick;
    // The projection of the current run, loaded at Start from the stored geodetic parameters;
    // the map and the survey records project through it alone.
    TMapProjector RunProjector;
    // Loads RunProjector from the settings file and fills the geodesy parameter texts from it;
    // tells the surveyor when the parameters cannot be used (MainWindowRealtime.cpp).
    void LoadRunGeodesy();
    // Echo-sounder lines (MainWindowSounder.cpp).
    void ZSENSORNewCommand(TOrvaltSerialGPS* Sender, const std::string& Line);
    // Takes the offsets window's texts into the navigation state's copies where they convert,
    // telling the surveyor once of a text that does not (MainWindowGnss.cpp).
    void CopyOffsets();
    TSounderLineReader SounderLineReader;
    TSoundingLog SoundingLog;
    // The sounder's silence and Stop: the panels read "--.-", the big number shows nothing.
    void ClearShownDepth();
    // Status panel 5, red with the text while the last sounding was not logged right; an empty
    // text clears it. SoundingSign is the text it shows.
    void ShowSoundingSign(const std::string& text);
    QString SoundingSign() const;
    // Event marks (MainWindowEvents.cpp): the next number on the map at the vessel and its
    // record in the day's events log; the reset after a question.
    void btEventAddClick();
    void MarkEvent1Click();
    void btEventResetClick();
    TEventNumbering EventNumbering;
    // Map events.
    void fcadShapeNumberSelected(TOrvaltCanvas* Sender, short ShapeType, int ShapeNumber);
    void fcadWorldMouseMove(TOrvaltCanvas* Sender, short Shift, double X, double Y,
                            double Magnitude, double Angle);
    void fcadWorldMouseDown(TOrvaltCanvas* Sender, short Button, short Shift, short Action,
                            double X, double Y);
    // Stops the map timer for good: a drawing under way does not start it again at its end.
    void StopMapTimer();
    // While a drawing is under way the map timer stays stopped: true, and its end starts it.
    bool MapTimerHeldForDrawing();
    void fcadDrawBegin(TOrvaltCanvas* Sender, short ShapeType, double X, double Y);
    void fcadDrawEnd(TOrvaltCanvas* Sender, short ShapeType, double X, double Y);
    void fcadDblClick(TOrvaltCanvas* Sender);

    // Map commands (MainWindowMapCommands.cpp, MainWindowSelection.cpp). The drawing tools:
    void ToolButton10Click();  // point
    void ToolButton9Click();   // chained lines
    void ToolButton16Click();  // rectangle
    void ToolButton14Click();  // polyline
    void ToolButton19Click();  // ellipse
    void ToolButton15Click();  // polygon
    void ToolButton17Click();  // spline
    void ToolButton20Click();  // three-point arc
    void ToolButton18Click();  // circle
    void ZoominClick();
    void ZoomoutClick();
    void ZoomextentsClick();
    void ZoomwindowClick();
    void ZoomdynamicClick();
    // The lasso, deleting the selection, clearing a layer after a question, follow-vessel and
    // the run-line window.
    void bMouseSelectClick();
    void bSelectTracksClick();
    void bDelSelectedClick();
    void ToolButton11Click();
    void tbFixedClick();
    void tbFloatClick();
    void tbAutoClick();
    void bFollowVesselClick();
    void ToolButton13Click();
    void tbRunlineClick();
    void Generate1Click();
    // The status bar: a click at x (status-bar pixels) on panel 3 opens the project folder; a
    // double click switches between English and Turkish (MainWindowLanguage.cpp).
    void StatusBarClick(int x);
    void StatusBarDblClick();
    // Starts a new instance and closes; saves and closes as File > Exit does; starts the
    // remote-support program.
    void bRestartClick();
    void bExitClick();
    void RemoteSupport1Click();

    // Window commands.
    void Parameters1Click();
    void OffsetsandValues1Click();
    void ConnectIconClick();
    void mRealtimeWindow1Click();
    void LatencyWatchSet1Click();
    void OpenLogFolder1Click();
    // Keys the window sees before its controls do; a handler that sets Key to 0 consumes it.
    void FormKeyDown(int& Key, Qt::KeyboardModifiers Shift);
    // Sizeable border or none (the map-only mode); the window stays where it is and shown.
    void SetSizeableBorder(bool sizeable);
    void NavigationSettings1Click();
    void VesselShape1Click();
    // Tools menu: shows the NTRIP window, handing it the open GNSS port and its position.
    void OrvaltNTRIPClient1Click();
    // The theme window, not modal, and the About window, modal; both centred on this window.
    void themeSelection1Click();
    void About1Click();
    // Languages (MainWindowLanguage.cpp): the menu items and the status bar's double click
    // switch through SwitchLanguage, which walks every caption and stores the code.
    void English1Click();
    void Turkish1Click();
    void SwitchLanguage(const std::string& code);
    void TranslationEditor1Click();
    // The on-screen keypad and keyboard for another window's edit (or combo box): each is
    // created once, then retargeted, placed and raised above the map and the bars.
    void ShowNumericKeypad(QWidget* edit);
    void ShowSimpleKeyboard(QWidget* edit);
    TOrvaltNumericKeypad* FNumericKeypad = nullptr;
    TOrvaltSimpleKeyboard* FSimpleKeyboard = nullptr;

    // Project commands (ProjectCommands.cpp). Save1Click is also the automatic save of the
    // close, the offsets window and the sound-velocity window, and never throws.
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Exit1Click();
    void ImportOldQBY1Click();
    // File > Export and Import (MainWindowExport.cpp, MainWindowImport.cpp).
    void Export1Click();
    void Import1Click();
    // Remembers the path in LastOpenedPath and shows its folder in status panel 3.
    void ShowProjectFolder(const std::string& path);
    // The reload of the last saved project at the first show; a refused file is reported.
    bool LoadProjectFile(const std::string& path);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBar();
    void DisableUnbuiltCommands();
    void BindWindowCommands();
    void BindMapCommands();
    void BindEventCommands();
    void StartLasso(TLassoKind kind);
    void FinishLasso(TLassoKind kind);
    void ClearLayer(const TLayerClear& clear);
    // Hands a click or double click on the status bar to its handler.
    void StatusBarMouse(QObject* watched, QEvent* event);
    void CreateTimers();
    void CreateSerialPorts();
    void CreateCanvas();
    // The map's background from the active style's panel colour, at creation and after a
    // style switch.
    void TakeStylePanelColor();
    void ShowLanguageInStatusBar();
    void ShowKeyPanel(TOrvaltKeyPanel* panel, QWidget* target, QPoint place);
    void ApplyCanvasViewSettings(const TCanvasViewSettings& view);
    void StoreCanvasViewSettings();
    void CreateProjectCommands();
    void EmptyGridAndVesselLayers();
    void RecordProjectCommand(TProjectCommand command, const std::string& path, bool succeeded,
                              const std::string& reason);
    void SaveSoundVelocityMemos();
    void ExportKml(const std::string& path);
    void ExportDxf(const std::string& path);
    void ImportKml(const std::string& path);
    void ImportXyz(const std::string& path);
    void ImportDxf(const std::string& path);
    TSounderLine ReadSounderLine(const std::string& line, const std::string& format);
    void SoundDepthAlarm(double trueDepth);

    bool reshowing_ = false;                // a new border is no new show
    const QEvent* previewedKey_ = nullptr;  // the key press FormKeyDown has seen
    // tMap was running when the drawing under way began, so its end starts it again. A port
    // report or Stop that stops tMap clears it.
    bool mapPausedForDrawing_ = false;
    // The translation editor goes with the main window, so before the translator.
    std::unique_ptr<TfTranslationEditor> translationEditor_;
};

extern TFNav* FNav;
