#include "devices/uNTRIPSettings.h"

TfrmNTRIPSettings* frmNTRIPSettings = nullptr;

TfrmNTRIPSettings::TfrmNTRIPSettings(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmNTRIPSettings");
    setWindowTitle("Orvalt NTRIP Client");
}
