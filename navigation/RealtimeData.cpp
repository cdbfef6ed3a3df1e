#include "navigation/RealtimeData.h"

#include "app/FormPlacement.h"
#include "canvas/QPainterSurface.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/ControlColor.h"
#include "navigation/LogFolderTarget.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/Paths.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"

#include <QDesktopServices>
#include <QPainter>
#include <QShowEvent>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

TfRealtime* fRealtime = nullptr;

namespace {

constexpr int kWidth = 192;
constexpr int kHeightNoDepth = 191;
constexpr int kHeightHighDepth = 289;
constexpr int kHeightBothDepths = 387;
constexpr int kStartUpDelayMs = 10000;
constexpr int kImageSize = 24;
// The widest depth the panels show whole: the deep ocean, in metres with two decimals.
const QString kWidestDepth = "9999.99";

QFont Font(const char* family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void SetTextColor(QWidget* widget, TColor color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ToQColor(color));
    widget->setPalette(palette);
}

// A magnifier with a plus or a minus: the zoom buttons.
QIcon Magnifier(bool plus) {
    QPixmap image(kImageSize, kImageSize);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkBlue, 2));
    painter.drawEllipse(3, 3, 13, 13);
    painter.drawLine(15, 15, 21, 21);
    painter.drawLine(6, 9, 13, 9);
    if (plus) painter.drawLine(9, 6, 9, 13);
    return QIcon(image);
}

std::vector<QIcon> ToolBarImages(const QStyle* style) {
    return {style->standardIcon(QStyle::SP_TitleBarMinButton),
            style->standardIcon(QStyle::SP_TitleBarNormalButton),
            Magnifier(true),
            Magnifier(false),
            style->standardIcon(QStyle::SP_DirOpenIcon),
            style->standardIcon(QStyle::SP_FileDialogDetailedView)};
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& bounds) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(bounds);
    return label;
}

QGroupBox* AddDepthFrame(QWidget* parent, const char* name, const char* title, int top,
                         TColor color, QLabel*& depth, const char* depthName) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    frame->setGeometry(0, top, kWidth, kHeightHighDepth - kHeightNoDepth);
    SetControlColor(frame, color);
    depth = AddLabel(frame, depthName, "---", QRect(4, 18, kWidth - 8, 74));
    depth->setFont(
        FittedFont(Font("Consolas", 52, true), kWidestDepth, depth->contentsRect().width()));
    depth->setAlignment(Qt::AlignCenter);
    return frame;
}

}  // namespace

TfRealtime::TfRealtime(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), Timer1(new QTimer(this)) {
    setObjectName("fRealtime");
    setWindowTitle("Realtime Data");
    setFont(Font("Segoe UI", 12, false));
    SetControlColor(this, kWhite);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    layout->addWidget(Panel1);
    ImageList1 = ToolBarImages(style());
    CreateToolBar();
    CreateGpsBox();
    DepthFrameHi = AddDepthFrame(Panel1, "DepthFrameHi", " Depth (High Freq.) ", kHeightNoDepth,
                                 kLime, lDepthHi, "lDepthHi");
    DepthFrameLo = AddDepthFrame(Panel1, "DepthFrameLo", " Depth (Low Freq.) ", kHeightHighDepth,
                                 kYellow, lDepthLo, "lDepthLo");
    resize(kWidth, kHeightBothDepths);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(kStartUpDelayMs);
    connect(Timer1, &QTimer::timeout, this, &TfRealtime::Timer1Timer);
    Timer1->start();
}

void TfRealtime::CreateToolBar() {
    ToolBar1 = new QToolBar(Panel1);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setGeometry(0, 0, kWidth, 30);
    ToolBar1->setIconSize(QSize(kImageSize, 20));
    const auto add = [this](const char* name, const char* hint, int image,
                            void (TfRealtime::*click)()) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setFixedSize(30, 26);
        SetImageIndex(button, image);
        connect(button, &QToolButton::clicked, this, click);
        ToolBar1->addWidget(button);
        return button;
    };
    btHide = add("btHide", "Hide Window", 0, &TfRealtime::btHideClick);
    ToolButton2 = add("ToolButton2", "Navigation Settings", 2, &TfRealtime::ToolButton2Click);
    ToolButton3 = add("ToolButton3", "GPS Settings", 3, &TfRealtime::ToolButton3Click);
    ToolButton1 = ToolBar1->addSeparator();
    ToolButton1->setObjectName("ToolButton1");
    btOpenLogFolder =
        add("btOpenLogFolder", "Open Log Folder", 4, &TfRealtime::btOpenLogFolderClick);
    btShowOffsets = add("btShowOffsets", "Show Offsets", 5, &TfRealtime::btShowOffsetsClick);
}

void TfRealtime::CreateGpsBox() {
    GPSGroupBox = new QGroupBox(" GPS Status ", Panel1);
    GPSGroupBox->setObjectName("GPSGroupBox");
    GPSGroupBox->setGeometry(0, 31, kWidth, kHeightNoDepth - 31);
    GPSGroupBox->setFont(Font("Segoe UI", 12, true));
    SetTextColor(GPSGroupBox, kNavy);
    const struct {
        QLabel** caption;
        const char* captionName;
        const char* text;
        QLabel** value;
        const char* valueName;
    } rows[] = {{&Label1, "Label1", "Fix Type", &Fixed, "Fixed"},
                {&Label2, "Label2", "Speed", &Speed, "Speed"},
                {&Label6, "Label6", "Satellites", &SatelliteLabel, "SatelliteLabel"},
                {&Label4, "Label4", "Antenna Ht.", &LAntennaH, "LAntennaH"},
                {&Label3, "Label3", "Tide Ht.", &LTideHt, "LTideHt"}};
    int top = 20;
    for (const auto& row : rows) {
        *row.caption = AddLabel(GPSGroupBox, row.captionName, row.text, QRect(8, top, 84, 26));
        (*row.caption)->setFont(Font("Segoe UI", 12, false));
        SetTextColor(*row.caption, kBlack);
        *row.value = AddLabel(GPSGroupBox, row.valueName, "---", QRect(92, top, 96, 26));
        (*row.value)->setFont(Font("Segoe UI", 12, true));
        SetTextColor(*row.value, kBlack);
        top += 27;
    }
    SetTextColor(Fixed, kGreen);
    Speed->setFont(Font("Segoe UI", 19, true));
    SetTextColor(Speed, kNavy);
    LTideHt->setFont(Font("Segoe UI", 19, true));
    SetTextColor(LTideHt, kTeal);
}

void TfRealtime::SetImageIndex(QToolButton* button, int index) {
    button->setProperty("ImageIndex", index);
    if (index >= 0 && index < static_cast<int>(ImageList1.size()))
        button->setIcon(ImageList1[index]);
}

int TfRealtime::ImageIndex(const QToolButton* button) {
    return button->property("ImageIndex").toInt();
}

void TfRealtime::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfRealtime::FormShow() { RestoreFormPlacement(this, false); }

void TfRealtime::Timer1Timer() {
    if (FGPS) FGPS->ApplyStoredSBESMessage();
    Timer1->deleteLater();
    Timer1 = nullptr;
}

void TfRealtime::ShowDepthFrameHi() {
    DepthFrameHi->show();
    if (DepthFrameLo->isHidden()) resize(width(), kHeightHighDepth);
}

void TfRealtime::ShowDepthFrameLo() {
    if (!DepthFrameLo->isHidden()) return;
    DepthFrameLo->show();
    resize(width(), kHeightBothDepths);
}

void TfRealtime::HideDepthFrameLo() {
    if (DepthFrameLo->isHidden()) return;
    DepthFrameLo->hide();
    resize(width(), kHeightHighDepth);
}

void TfRealtime::HideDepthFrames() {
    DepthFrameHi->hide();
    DepthFrameLo->hide();
    resize(width(), kHeightNoDepth);
}

void TfRealtime::ToolButton2Click() {
    if (FNav) FNav->Zoomin->click();
}

void TfRealtime::ToolButton3Click() {
    if (FNav) FNav->Zoomout->click();
}

void TfRealtime::btShowOffsetsClick() {
    if (Offsets) Offsets->show();
}

// Shell and folder failures give no message: the surveyor sees that nothing opened.
void TfRealtime::btOpenLogFolderClick() {
    const std::string nmeaLog = FNav && FNav->ZGPS1 ? FNav->ZGPS1->LogFileName : std::string();
    const std::string target = LogFolderTarget(nmeaLog, LogDir);
    if (!DirectoryExists(target)) CreateDirectories(target);
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(target)));
}
