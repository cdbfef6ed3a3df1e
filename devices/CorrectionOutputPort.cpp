// Where the NTRIP window sends the corrections: the GNSS receiver's own port (item 0 of the
// list, written by the client's worker) or a second port the window opens, whose own writer
// thread takes the blocks off the user-interface thread (CorrectionWriter.h).

#include "devices/NtripSettings.h"
#include "devices/uNTRIPSettings.h"
#include "platform/SerialPortTable.h"

namespace {

// The device behind "COMn", empty when the text names no port of the table.
std::string DevicePathOfPortName(const QString& name) {
    for (int port = kFirstSerialPort; port <= kLastSerialPort; ++port) {
        if (name.toStdString() == SerialPortName(port)) return SerialDevicePath(port);
    }
    return {};
}

}  // namespace

void TfrmNTRIPSettings::FillOutputPorts() {
    boxOutputPort->clear();
    boxOutputPort->addItem("This port (GPS)");
    for (const std::string& name : SerialPortNames()) {
        boxOutputPort->addItem(QString::fromStdString(name));
    }
    boxOutputPort->setCurrentIndex(0);
}

void TfrmNTRIPSettings::chkOutputPortClick() {
    if (chkOutputPort->isChecked()) {
        OpenOutputPort();
    } else {
        CloseOutputPort();
    }
    SaveSettings();
}

// A failure unticks the box, whose handler then closes the output and stores it off.
void TfrmNTRIPSettings::OpenOutputPort() {
    if (OutputEnabled) CloseOutputPort();
    const int item = boxOutputPort->currentIndex();
    if (item < 0) {
        AddLog("No output port selected");
        chkOutputPort->setChecked(false);
        return;
    }
    if (item == 0) {
        OutputEnabled = true;
        Client->ForwardToOutput = true;
        AddLog("Output enabled: Using GPS input port");
        return;
    }
    Client->ForwardToOutput = false;
    const QString name = boxOutputPort->currentText();
    TSerialSettings settings;
    settings.BaudRate = OutputBaudRate(boxOutputBaud->currentIndex());
    settings.EnableDTR = true;
    settings.EnableRTS = true;
    switch (OutputHandle.Open(DevicePathOfPortName(name), settings)) {
        case TSerialOpenResult::Opened:
            break;
        case TSerialOpenResult::NotOpened:
            AddLog("Failed to open output port: " + name);
            chkOutputPort->setChecked(false);
            return;
        case TSerialOpenResult::NotConfigured:
            AddLog("Failed to configure output port");
            chkOutputPort->setChecked(false);
            return;
    }
    OutputEnabled = true;
    outputPortName_ = name;
    AddLog("Output port opened: " + name + " @ " + boxOutputBaud->currentText());
}

void TfrmNTRIPSettings::CloseOutputPort() {
    if (OutputHandle.IsOpen()) {
        OutputHandle.Close();
        AddLog("Output port closed");
    }
    OutputEnabled = false;
    if (Client) Client->ForwardToOutput = true;
}

// Whatever the list shows now: a changed choice takes effect when the box is ticked again.
void TfrmNTRIPSettings::WriteOutput(const char* data, int length) {
    if (!OutputEnabled || !OutputHandle.IsOpen() || length <= 0) return;
    const std::size_t dropped =
        OutputHandle.Write(std::string_view(data, static_cast<std::size_t>(length)));
    if (dropped == 0) return;
    AddLog("Correction output " + outputPortName_ + " too slow: " + QString::number(dropped) +
           " bytes dropped");
}
