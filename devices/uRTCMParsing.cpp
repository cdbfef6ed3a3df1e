#include "devices/uRTCMParsing.h"

#include "devices/RtcmReport.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TfRTCMParsing* fRTCMParsing = nullptr;

TfRTCMParsing::TfRTCMParsing(QWidget* parent)
    : QWidget(parent, Qt::Window),
      MemoRTCM(new QPlainTextEdit(this)),
      btnClear(new QPushButton("Clear", this)),
      btnClose(new QPushButton("Save && Close", this)) {
    setObjectName("fRTCMParsing");
    setWindowTitle("RTCM Message Parser");
    resize(720, 560);
    MemoRTCM->setObjectName("MemoRTCM");
    MemoRTCM->setReadOnly(true);
    MemoRTCM->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoRTCM->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoRTCM->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font("Consolas");  // the start-up's font substitutes stand in where it is missing
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(10);
    MemoRTCM->setFont(font);
    btnClear->setObjectName("btnClear");
    btnClose->setObjectName("btnClose");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClear);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MemoRTCM);
    layout->addLayout(buttons);
    connect(btnClear, &QPushButton::clicked, this, &TfRTCMParsing::btnClearClick);
    connect(btnClose, &QPushButton::clicked, this, &TfRTCMParsing::btnCloseClick);
}

TfRTCMParsing::~TfRTCMParsing() {
    if (fRTCMParsing == this) fRTCMParsing = nullptr;
}

void TfRTCMParsing::AddLine(const std::string& line) {
    MemoRTCM->appendPlainText(QString::fromStdString(line));
}

void TfRTCMParsing::ClearReport() { MemoRTCM->clear(); }

std::vector<std::string> TfRTCMParsing::ReportLines() const {
    if (MemoRTCM->document()->isEmpty()) return {};
    std::vector<std::string> lines;
    for (const QString& line : MemoRTCM->toPlainText().split('\n')) {
        lines.push_back(line.toStdString());
    }
    return lines;
}

void TfRTCMParsing::btnClearClick() { ClearReport(); }

void TfRTCMParsing::btnCloseClick() {
    const std::vector<std::string> lines = ReportLines();
    std::string error;
    if (!lines.empty() && !SaveRtcmReport(lines, Now().date(), error)) {
        MessageDlg(QString::fromStdString(error), TMsgDlgType::Error, mbOK);
        return;
    }
    close();
}
