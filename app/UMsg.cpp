#include "app/UMsg.h"

#include <QEvent>
#include <QVBoxLayout>

TFMsg* FMsg = nullptr;

namespace {
constexpr int kHideAfterMs = 4000;
}  // namespace

TFMsg::TFMsg(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      Msg(new QPlainTextEdit(this)),
      Timer1(new QTimer(this)) {
    setObjectName("FMsg");
    setWindowTitle("Message Window");
    resize(413, 192);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Msg);
    Msg->setObjectName("Msg");
    Msg->setReadOnly(true);
    QFont font("MS Sans Serif");
    font.setPixelSize(13);
    Msg->setFont(font);
    Msg->viewport()->installEventFilter(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(kHideAfterMs);
    connect(Timer1, &QTimer::timeout, this, &TFMsg::Timer1Timer);
}

void TFMsg::FormShow() { Timer1->start(); }

void TFMsg::FormHide() { Timer1->stop(); }

void TFMsg::Timer1Timer() { hide(); }

void TFMsg::MsgClick() {
    hide();
    Msg->clear();
}

void TFMsg::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TFMsg::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    FormHide();
}

bool TFMsg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Msg->viewport() && event->type() == QEvent::MouseButtonRelease) MsgClick();
    return QWidget::eventFilter(watched, event);
}
