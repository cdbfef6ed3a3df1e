#include "navigation/uJoystick.h"

#include "devices/OrvaltSerialGPS.h"
#include "navigation/PadCommand.h"
#include "navigation/unavigation.h"
#include "tools/UGPS.h"

#include <QCloseEvent>
#include <QStyle>

TfJoystick* fJoystick = nullptr;

namespace {

constexpr int kClientWidth = 131;
constexpr int kClientHeight = 42;
constexpr int kBatteryHeight = 41;
constexpr int kKeySize = 40;
constexpr int kPadLeft = (kClientWidth - 3 * kKeySize) / 2;
constexpr int kCheckMs = 1000;
// The one telegram format that carries a battery value.
const char* const kBatteryFormat = "Orvalt QRD";

QFont BatteryFont() {
    QFont font("Segoe UI");
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

}  // namespace

TfJoystick::TfJoystick(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Timer1(new QTimer(this)) {
    setObjectName("fJoystick");
    setWindowTitle("Battery");
    setFixedSize(kClientWidth, kClientHeight);
    pBattery = new QLabel(this);
    pBattery->setObjectName("pBattery");
    pBattery->setGeometry(0, 0, kClientWidth, kBatteryHeight);
    pBattery->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pBattery->setAlignment(Qt::AlignCenter);
    pBattery->setFont(BatteryFont());
    CreatePad();
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(kCheckMs);
    connect(Timer1, &QTimer::timeout, this, &TfJoystick::Timer1Timer);
    Timer1->start();
    show();
}

// The pad's images are lost with the original program; the style's arrows stand in for them.
void TfJoystick::CreatePad() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(0, kBatteryHeight, kClientWidth, kClientHeight - kBatteryHeight);
    Panel1->hide();
    ImageList1 = {
        style()->standardIcon(QStyle::SP_ArrowUp),     style()->standardIcon(QStyle::SP_ArrowDown),
        style()->standardIcon(QStyle::SP_ArrowLeft),   style()->standardIcon(QStyle::SP_ArrowRight),
        style()->standardIcon(QStyle::SP_MediaStop),   style()->standardIcon(QStyle::SP_ArrowBack),
        style()->standardIcon(QStyle::SP_ArrowForward)};
    const auto key = [this](const char* name, int image, int column, int row,
                            void (TfJoystick::*click)()) {
        auto* button = new QPushButton(ImageList1[static_cast<std::size_t>(image)], "", Panel1);
        button->setObjectName(name);
        button->setGeometry(kPadLeft + column * kKeySize, row * kKeySize, kKeySize, kKeySize);
        if (click) connect(button, &QPushButton::clicked, this, click);
        return button;
    };
    bUp = key("bUp", 0, 1, 0, &TfJoystick::bUpClick);
    bLeft = key("bLeft", 2, 0, 1, &TfJoystick::bLeftClick);
    BitBtn5 = key("BitBtn5", 4, 1, 1, &TfJoystick::BitBtn5Click);
    bRight = key("bRight", 3, 2, 1, &TfJoystick::bRightClick);
    BitBtn1 = key("BitBtn1", 5, 0, 2, &TfJoystick::BitBtn1Click);
    bBottom = key("bBottom", 1, 1, 2, &TfJoystick::bBottomClick);
    BitBtn2 = key("BitBtn2", 6, 2, 2, nullptr);
}

void TfJoystick::Press(TPadKey key) {
    const std::string command = PressPadKey(key, PadValueA, PadValueB);
    if (FNav && FNav->ZGPS1) FNav->ZGPS1->Send(command);
}

void TfJoystick::bUpClick() { Press(TPadKey::Up); }
void TfJoystick::bBottomClick() { Press(TPadKey::Bottom); }
void TfJoystick::bLeftClick() { Press(TPadKey::Left); }
void TfJoystick::bRightClick() { Press(TPadKey::Right); }
void TfJoystick::BitBtn1Click() { Press(TPadKey::LowerLeft); }
void TfJoystick::BitBtn5Click() { Press(TPadKey::Centre); }

void TfJoystick::Timer1Timer() {
    if (!FGPS || FGPS->cSBESMessage->currentText() != kBatteryFormat) hide();
}

void TfJoystick::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore();
    } else {
        QWidget::closeEvent(event);
    }
}

void ShowBatteryLevel(const QString& text) {
    if (fJoystick) fJoystick->pBattery->setText(text);
}
