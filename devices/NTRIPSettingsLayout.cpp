// The NTRIP window's controls and where they sit in its fixed 320 x 498 client area.

#include "devices/NtripSettings.h"
#include "devices/uNTRIPSettings.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 498;
constexpr int kMargin = 8;
constexpr int kFieldLeft = 110;  // edits and lists right of their labels
constexpr int kFieldWidth = kWidth - kFieldLeft - kMargin;
constexpr int kRowHeight = 23;
constexpr int kLabelWidth = kFieldLeft - kMargin - 4;

template <class T>
T* Make(QWidget* parent, const char* name, QRect bounds) {
    auto* control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(bounds);
    return control;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, int left, int top,
                  int width = kLabelWidth) {
    auto* label = Make<QLabel>(parent, name, QRect(left, top, width, kRowHeight));
    label->setText(caption);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const char* text, int top) {
    auto* edit = Make<QLineEdit>(parent, name, QRect(kFieldLeft, top, kFieldWidth, kRowHeight));
    edit->setText(text);
    return edit;
}

template <class T>
T* MakeButton(QWidget* parent, const char* name, const char* caption, QRect bounds) {
    auto* button = Make<T>(parent, name, bounds);
    button->setText(caption);
    return button;
}

}  // namespace

void TfrmNTRIPSettings::CreateControls() {
    setFixedSize(kWidth, kHeight);
    setFont(QFont("Segoe UI", 9));

    lblProfile = MakeLabel(this, "lblProfile", "Profile", kMargin, 8);
    boxProfile = Make<QComboBox>(this, "boxProfile", QRect(kFieldLeft, 8, kFieldWidth - 30, 23));
    btnSaveProfile =
        MakeButton<QPushButton>(this, "btnSaveProfile", "+", QRect(kWidth - 34, 8, 26, 23));

    lblServer = MakeLabel(this, "lblServer", "Server Address", kMargin, 38);
    edtServer = MakeEdit(this, "edtServer", kDefaultNtripServer, 38);
    lblPort = MakeLabel(this, "lblPort", "Port", kMargin, 64);
    edtPort = MakeEdit(this, "edtPort", "2101", 64);
    lblUsername = MakeLabel(this, "lblUsername", "Username", kMargin, 90);
    edtUsername = MakeEdit(this, "edtUsername", "", 90);
    lblPassword = MakeLabel(this, "lblPassword", "Password", kMargin, 116);
    edtPassword = MakeEdit(this, "edtPassword", "", 116);
    edtPassword->setEchoMode(QLineEdit::Password);

    lblOutputPosition = MakeLabel(this, "lblOutputPosition", "Output Position", kMargin, 144);
    rbFromGPS = MakeButton<QRadioButton>(this, "rbFromGPS", "From GPS",
                                         QRect(kFieldLeft, 144, 90, kRowHeight));
    rbManual = MakeButton<QRadioButton>(this, "rbManual", "Manual",
                                        QRect(kFieldLeft + 100, 144, 90, kRowHeight));
    rbFromGPS->setChecked(true);
    lblLatitude = MakeLabel(this, "lblLatitude", "Latitude (deg)", kMargin, 170);
    edtLatitude = MakeEdit(this, "edtLatitude", "0.0", 170);
    lblLongitude = MakeLabel(this, "lblLongitude", "Longitude (deg)", kMargin, 196);
    edtLongitude = MakeEdit(this, "edtLongitude", "0.0", 196);
    edtLatitude->setEnabled(false);
    edtLongitude->setEnabled(false);

    lblMountpoint = MakeLabel(this, "lblMountpoint", "Mountpoint", kMargin, 224);
    boxMountpoint = Make<QComboBox>(this, "boxMountpoint", QRect(kFieldLeft, 224, 96, 23));
    btnFetchSources = MakeButton<QPushButton>(this, "btnFetchSources", "Fetch Sources",
                                              QRect(kFieldLeft + 102, 224, 100, 23));

    chkShowLog = MakeButton<QCheckBox>(this, "chkShowLog", "Show Log",
                                       QRect(kMargin, 252, kLabelWidth, kRowHeight));
    chkShowLog->setChecked(true);
    pbProgress = Make<QProgressBar>(this, "pbProgress", QRect(kFieldLeft, 255, kFieldWidth, 17));
    pbProgress->setRange(0, 100);
    pbProgress->setValue(0);
    pbProgress->setTextVisible(false);
    memoLog = Make<QPlainTextEdit>(this, "memoLog", QRect(kMargin, 280, kWidth - 2 * kMargin, 96));
    memoLog->setReadOnly(true);
    memoLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoLog->setMaximumBlockCount(100);
    memoLog->setFont(QFont("Consolas", 8));

    lblOutputPort = MakeLabel(this, "lblOutputPort", "Output Port", kMargin, 384);
    chkOutputPort = MakeButton<QCheckBox>(this, "chkOutputPort", "Enable",
                                          QRect(kFieldLeft, 384, 64, kRowHeight));
    boxOutputPort =
        Make<QComboBox>(this, "boxOutputPort", QRect(kFieldLeft + 66, 384, kFieldWidth - 66, 23));
    lblOutputBaud = MakeLabel(this, "lblOutputBaud", "Baud", kMargin, 410);
    boxOutputBaud = Make<QComboBox>(this, "boxOutputBaud", QRect(kFieldLeft, 410, 90, 23));
    for (const int rate : kOutputBaudRates) boxOutputBaud->addItem(QString::number(rate));
    boxOutputBaud->setCurrentIndex(kDefaultOutputBaud);

    lblBytesReceived = MakeLabel(this, "lblBytesReceived", "Bytes Received", kMargin, 438, 96);
    lblBytesReceivedValue = MakeLabel(this, "lblBytesReceivedValue", "0", 104, 438, 60);
    lblBytesSent = MakeLabel(this, "lblBytesSent", "Bytes Sent", 176, 438, 70);
    lblBytesSentValue = MakeLabel(this, "lblBytesSentValue", "0", 246, 438, 66);
    for (QLabel* value : {lblBytesReceivedValue, lblBytesSentValue}) {
        value->setStyleSheet("color: #008000;");
    }

    btnConnect =
        MakeButton<QPushButton>(this, "btnConnect", "Connect", QRect(kMargin, 466, 96, 25));
    Button1 = MakeButton<QPushButton>(this, "Button1", "RTCM Parsing", QRect(112, 466, 96, 25));
    btnClose = MakeButton<QPushButton>(this, "btnClose", "Close", QRect(216, 466, 96, 25));

    tmrUpdate = new QTimer(this);
    tmrUpdate->setObjectName("tmrUpdate");
    tmrUpdate->setInterval(500);
}

void TfrmNTRIPSettings::BindControls() {
    connect(boxProfile, &QComboBox::activated, this, [this] { boxProfileChange(); });
    connect(btnSaveProfile, &QPushButton::clicked, this, [this] { btnSaveProfileClick(); });
    connect(rbFromGPS, &QRadioButton::clicked, this, [this] { rbFromGPSClick(); });
    connect(rbManual, &QRadioButton::clicked, this, [this] { rbManualClick(); });
    connect(btnFetchSources, &QPushButton::clicked, this, [this] { btnFetchSourcesClick(); });
    connect(chkShowLog, &QCheckBox::toggled, this, [this] { chkShowLogClick(); });
    // Bound to every change, not only to clicks: the output port unticks the box from code
    // when it fails, and that must close the output and store it off.
    connect(chkOutputPort, &QCheckBox::toggled, this, [this] { chkOutputPortClick(); });
    connect(btnConnect, &QPushButton::clicked, this, [this] { btnConnectClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    connect(tmrUpdate, &QTimer::timeout, this, [this] { tmrUpdateTimer(); });
}
