#include "tools/Bathymetry.h"

#include "app/FormPlacement.h"
#include "app/ModalWindow.h"
#include "devices/uNTRIPSettings.h"
#include "navigation/NavigationState.h"
#include "navigation/unavigation.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/DateTimeText.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "platform/NumberFormat.h"
#include "platform/TextFile.h"
#include "tools/OffsetsCheck.h"
#include "tools/OffsetsReport.h"
#include "tools/OffsetsSketch.h"
#include "tools/USoundVelocity.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

TOffsets* Offsets = nullptr;

namespace {

constexpr int kClockIntervalMs = 1000;
constexpr int kExpandedHeight = 410;
// The number edits come first among the fields, each with its exit handler.
constexpr void (TOffsets::*kExitHandlers[])() = {&TOffsets::OffsetAExit, &TOffsets::OffsetBExit,
                                                 &TOffsets::OffsetCExit, &TOffsets::SVExit,
                                                 &TOffsets::TideHtExit};
const QSize kSketchSize(120, 170);

QString Q(const std::string& text) { return QString::fromStdString(text); }

QLineEdit* MakeEdit(QWidget* parent, const char* name, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const char* caption) { return new QLabel(caption, parent); }

}  // namespace

TOffsets::TOffsets(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), Timer1(new QTimer(this)) {
    setObjectName("Offsets");
    setWindowTitle("Offsets Essential for Post Processing / Recovery");
    CreateControls();
    resize(489, 185);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(kClockIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TOffsets::Timer1Timer);
    Timer1->start();
    Timer1Timer();
}

void TOffsets::CreateControls() {
    pSketch = new QLabel(this);
    pSketch->setObjectName("pSketch");
    pSketch->setFrameShape(QFrame::Panel);
    pSketch->setFrameShadow(QFrame::Sunken);
    Image1 = new QLabel(pSketch);
    Image1->setObjectName("Image1");
    Image1->setPixmap(DrawOffsetsSketch(kSketchSize));
    Image1->setGeometry(2, 2, kSketchSize.width(), kSketchSize.height());
    pSketch->setFixedSize(kSketchSize + QSize(4, 4));

    auto* entries = new QHBoxLayout;
    entries->addWidget(CreateNumberEdits());
    entries->addWidget(CreateNameEdits(), 1);
    auto* right = new QVBoxLayout;
    right->addLayout(entries);
    right->addWidget(CreateButtons());
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(pSketch, 0, Qt::AlignTop);
    layout->addLayout(right, 1);

    edits_ = {OffsetA, OffsetB, OffsetC, SV, TideHt, Location, SurveyBoat, Surveyor};
    for (QLineEdit* edit : edits_) edit->installEventFilter(this);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TOffsets::BitBtn3Click);
}

QWidget* TOffsets::CreateNumberEdits() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    const struct {
        QLineEdit* TOffsets::*edit;
        const char* name;
        const char* caption;
        const char* unit;
    } rows[] = {{&TOffsets::OffsetA, "OffsetA", "A", "m"},
                {&TOffsets::OffsetB, "OffsetB", "B", "m"},
                {&TOffsets::OffsetC, "OffsetC", "C", "m"},
                {&TOffsets::SV, "SV", "SV", "m/s"},
                {&TOffsets::TideHt, "TideHt", "Tide Ht", "m"}};
    int row = 0;
    for (const auto& spec : rows) {
        this->*spec.edit = MakeEdit(box, spec.name, 60);
        grid->addWidget(MakeLabel(box, spec.caption), row, 0, Qt::AlignRight);
        grid->addWidget(this->*spec.edit, row, 1);
        grid->addWidget(MakeLabel(box, spec.unit), row, 2);
        ++row;
    }
    return box;
}

QWidget* TOffsets::CreateNameEdits() {
    auto* box = new QWidget(this);
    auto* grid = new QVBoxLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    const struct {
        QLineEdit* TOffsets::*edit;
        const char* name;
        const char* caption;
    } rows[] = {{&TOffsets::Location, "Location", "Location"},
                {&TOffsets::SurveyBoat, "SurveyBoat", "Vessel"},
                {&TOffsets::Surveyor, "Surveyor", "Surveyor"}};
    for (const auto& spec : rows) {
        this->*spec.edit = MakeEdit(box, spec.name, 170);
        grid->addWidget(MakeLabel(box, spec.caption));
        grid->addWidget(this->*spec.edit);
    }
    grid->addWidget(MakeLabel(box, "Date and Time (UTC)"));
    time = MakeLabel(box, "");
    time->setObjectName("time");
    grid->addWidget(time);
    grid->addStretch(1);
    return box;
}

QWidget* TOffsets::CreateButtons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    const auto make = [box, row](const char* name, const char* caption) {
        auto* button = new QPushButton(caption, box);
        button->setObjectName(name);
        row->addWidget(button);
        return button;
    };
    bSVP = make("bSVP", "Sound Velocity Profile");
    BitBtn1 = make("BitBtn1", "Realtime");
    bNTRIPShow = make("bNTRIPShow", "NTRIP Client");
    BitBtn3 = make("BitBtn3", "Cancel");
    connect(bSVP, &QPushButton::clicked, this, &TOffsets::bSVPClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TOffsets::BitBtn1Click);
    connect(bNTRIPShow, &QPushButton::clicked, this, &TOffsets::bNTRIPShowClick);
    connect(BitBtn3, &QPushButton::clicked, this, &TOffsets::BitBtn3Click);
    return box;
}

QLineEdit* TOffsets::Edit(TOffsetsField field) const {
    return edits_[static_cast<std::size_t>(field)];
}

TOffsetsEntries TOffsets::Entries() const {
    TOffsetsEntries entries;
    for (std::size_t i = 0; i < kOffsetsFieldCount; ++i) {
        entries.texts[i] = edits_[i]->text().toStdString();
    }
    return entries;
}

void TOffsets::ShowEntries(const TOffsetsEntries& entries) {
    for (std::size_t i = 0; i < kOffsetsFieldCount; ++i) edits_[i]->setText(Q(entries.texts[i]));
}

void TOffsets::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

// The edits' clicks are bound once, at creation, rather than at every show. The focus starts
// on "Realtime": in an empty number edit, the first click elsewhere would bring its conversion
// message before anything was typed.
void TOffsets::FormShow() {
    ShowEntries(ReadOffsetsEntries(TIniFile(GetSettingsFilePath())));
    RestoreFormPlacement(this, false);
    BitBtn1->setFocus();
}

void TOffsets::Timer1Timer() { time->setText(Q(DateTimeToStr(Now()))); }

void TOffsets::NumericEditClick(QLineEdit* edit) {
    if (FNav) FNav->ShowNumericKeypad(edit);
}

void TOffsets::TextEditClick(QLineEdit* edit) {
    if (FNav) FNav->ShowSimpleKeyboard(edit);
}

void TOffsets::OffsetAExit() { NumberEditExit(OffsetA); }
void TOffsets::OffsetBExit() { NumberEditExit(OffsetB); }
void TOffsets::OffsetCExit() { NumberEditExit(OffsetC); }
void TOffsets::SVExit() { NumberEditExit(SV); }
void TOffsets::TideHtExit() { NumberEditExit(TideHt); }

void TOffsets::NumberEditExit(QLineEdit* edit) {
    double value = 0;
    if (TryStrToFloat(edit->text(), value)) return;
    ShowMessage(Q(FloatConversionMessage(edit->text().toStdString())));
    edit->setFocus();
}

void TOffsets::BitBtn1Click() {
    if (FNav) FNav->Save1Click();
    const TMessageLanguage language = CurrentMessageLanguage();
    if (time->text().contains(':')) ShowMessage(Q(TimeFormatMessage(language)));
    CreateDataFolders();
    const TOffsetsEntries entries = Entries();
    const TOffsetsCheck check = CheckOffsetsEntries(entries, language);
    if (!check.passed) {
        ShowMessage(Q(check.message));
        Edit(check.field)->setFocus();
        return;
    }
    AppendReport(entries, language);
    TIniFile ini(GetSettingsFilePath());
    if (!WriteOffsetsEntries(ini, entries, time->text().toStdString())) {
        ShowMessage(Q(FileNotWrittenMessage(ini.FileName(), language)));
    }
    // The button's down state does not tell: after a failed GNSS open real time runs with the
    // button up, and a click would stop it.
    if (FNav && !RealtimeRunning) FNav->bRealtime->click();
    SaveFormPlacement(this);
    close();
}

void TOffsets::AppendReport(const TOffsetsEntries& entries, TMessageLanguage language) {
    const std::string path = OffsetsReportFilePath();
    const std::string report = BuildOffsetsReport(entries, time->text().toStdString(),
                                                  SoundVelocityProfileInUse(), language);
    if (!AppendFileBytes(path, report)) ShowMessage(Q(FileNotWrittenMessage(path, language)));
}

void TOffsets::BitBtn3Click() {
    SaveFormPlacement(this);
    close();
}

void TOffsets::bSVPClick() {
    if (!fSVP) return;
    fSVP->show();
    fSVP->raise();
}

void TOffsets::bNTRIPShowClick() { ShowModal(frmNTRIPSettings, this); }

void TOffsets::FormDblClick() { resize(width(), kExpandedHeight); }

void TOffsets::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    FormDblClick();
}

bool TOffsets::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(edits_.begin(), edits_.end(), watched);
    if (found == edits_.end()) return QWidget::eventFilter(watched, event);
    QLineEdit* edit = *found;
    const auto index = static_cast<std::size_t>(found - edits_.begin());
    const bool number = index < std::size(kExitHandlers);
    if (event->type() == QEvent::MouseButtonRelease) {
        number ? NumericEditClick(edit) : TextEditClick(edit);
    } else if (event->type() == QEvent::FocusOut && number) {
        // Leaving for another window is not leaving the edit. The check runs once the focus has
        // moved, so its message box and the focus coming back do not nest in the focus change.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const auto handler = kExitHandlers[index];
            QTimer::singleShot(0, this, [this, handler] { (this->*handler)(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}
