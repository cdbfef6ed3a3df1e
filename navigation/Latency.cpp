#include "navigation/Latency.h"

#include "navigation/ControlColor.h"
#include "navigation/LatencyLamp.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/NumberFormat.h"

#include <QVBoxLayout>

TfLatency* fLatency = nullptr;

namespace {

constexpr int kDefaultToleranceMs = 500;
constexpr int kEditLeft = 12;
constexpr int kEditWidth = 150;

TLabeledEdit* AddEdit(QWidget* parent, const char* name, const char* caption, int top) {
    auto* edit = new TLabeledEdit(caption, parent);
    edit->setObjectName(name);
    edit->setGeometry(kEditLeft, top, kEditWidth, 22);
    return edit;
}

}  // namespace

TfLatency::TfLatency(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("fLatency");
    setWindowTitle("Latency");
    QFont font("Tahoma");
    font.setPixelSize(11);
    setFont(font);
    auto* layout = new QVBoxLayout(this);
    gLatency = new QGroupBox("Latency (milisecond)", this);
    gLatency->setObjectName("gLatency");
    gLatency->setMinimumSize(kEditWidth + 2 * kEditLeft, 160);
    layout->addWidget(gLatency);
    eCurrentLatency = AddEdit(gLatency, "eCurrentLatency", "Current", 38);
    eLatencyAveraged = AddEdit(gLatency, "eLatencyAveraged", "Averaged", 82);
    eLatencyTol = AddEdit(gLatency, "eLatencyTol", "Tolerence", 126);
    eCurrentLatency->setEnabled(false);
    eLatencyAveraged->setEnabled(false);
    connect(eLatencyTol, &QLineEdit::textChanged, this, &TfLatency::eLatencyTolChange);
    connect(eCurrentLatency, &QLineEdit::textChanged, this, &TfLatency::eCurrentLatencyChange);
    adjustSize();
    FormCreate();
}

void TfLatency::FormCreate() {
    const TIniFile ini(GetSettingsFilePath());
    const int tolerance = ini.ReadInteger("LATENCY", "eLatencyTol", kDefaultToleranceMs);
    eLatencyTol->setText(QString::fromStdString(IntToStr(tolerance)));
}

void TfLatency::eLatencyTolChange() {
    TIniFile(GetSettingsFilePath())
        .WriteString("LATENCY", "eLatencyTol", eLatencyTol->text().toStdString());
}

void TfLatency::eCurrentLatencyChange() {
    const auto color = LatencyLampColor(eCurrentLatency->text(), eLatencyTol->text());
    if (color) SetControlColor(gLatency, *color);
}
