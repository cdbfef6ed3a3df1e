#include "tools/UShape.h"

#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/SettingsWriteReport.h"
#include "tools/VesselShapeSettings.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TFShape* FShape = nullptr;

namespace {

// The edits in their order on the form, and which of the texts each shows.
struct TEditSpec {
    QLineEdit* TFShape::*edit;
    std::string TVesselShapeTexts::*text;
};

const TEditSpec kEdits[] = {
    {&TFShape::edAmount, &TVesselShapeTexts::ringCount},
    {&TFShape::edInterval, &TVesselShapeTexts::ringInterval},
    {&TFShape::edRadious, &TVesselShapeTexts::firstRadius},
    {&TFShape::edBArrow, &TVesselShapeTexts::bowArrow},
    {&TFShape::edLArrow, &TVesselShapeTexts::sideArrow},
};

void ShowTexts(TFShape& window, const TVesselShapeTexts& texts) {
    for (const TEditSpec& spec : kEdits) {
        (window.*spec.edit)->setText(QString::fromStdString(texts.*spec.text));
    }
}

}  // namespace

TFShape::TFShape(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint) {
    setObjectName("FShape");
    setWindowTitle("Vessel Geometry");
    auto* layout = new QVBoxLayout(this);
    GroupBox1 = new QGroupBox("All in one pole", this);
    GroupBox1->setObjectName("GroupBox1");
    new QVBoxLayout(GroupBox1);
    layout->addWidget(GroupBox1);
    edRadious = AddLabeledEdit("edRadious", "Radious of first circle", "10");
    edInterval = AddLabeledEdit("edInterval", "Offset to next circle", "10");
    edAmount = AddLabeledEdit("edAmount", "Total number of circles", "2");
    edBArrow = AddLabeledEdit("edBArrow", "Arrow's longitudal length", "100");
    edLArrow = AddLabeledEdit("edLArrow", "Arrow's sideward length", "10");
    Label1 = new QLabel("Changes requires restart of program.", this);
    Label1->setObjectName("Label1");
    layout->addWidget(Label1);
    auto* buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton("Save && Hide", this);
    BitBtn1->setObjectName("BitBtn1");
    bDefault = new QPushButton("Default", this);
    bDefault->setObjectName("bDefault");
    buttons->addWidget(BitBtn1);
    buttons->addWidget(bDefault);
    layout->addLayout(buttons);
    connect(BitBtn1, &QPushButton::clicked, this, &TFShape::BitBtn1Click);
    connect(bDefault, &QPushButton::clicked, this, &TFShape::bDefaultClick);
    FormCreate();
}

QLineEdit* TFShape::AddLabeledEdit(const char* name, const char* caption, const char* text) {
    auto* label = new QLabel(caption, GroupBox1);
    label->setObjectName(QString(name) + "Label");
    auto* edit = new QLineEdit(text, GroupBox1);
    edit->setObjectName(name);
    label->setBuddy(edit);
    GroupBox1->layout()->addWidget(label);
    GroupBox1->layout()->addWidget(edit);
    return edit;
}

void TFShape::FormCreate() { ShowTexts(*this, ReadVesselShape(TIniFile(GetSettingsFilePath()))); }

// The window has no close button, so it hides even when the file cannot be written: the
// surveyor is told, and the edits stay in the window, where the map reads them.
void TFShape::BitBtn1Click() {
    TVesselShapeTexts texts;
    for (const TEditSpec& spec : kEdits)
        texts.*spec.text = (this->*spec.edit)->text().toStdString();
    TIniFile ini(GetSettingsFilePath());
    if (!WriteVesselShape(ini, texts)) ReportSettingsNotSaved(ini.FileName());
    hide();
}

void TFShape::bDefaultClick() { ShowTexts(*this, DefaultVesselShapeTexts()); }
