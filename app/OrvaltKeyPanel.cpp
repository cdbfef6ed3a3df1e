#include "app/OrvaltKeyPanel.h"

#include "app/KeyTarget.h"

#include <QPainter>

namespace {

const QColor kFrameColor(0xFF, 0xA5, 0x00);  // TColor 0x00A5FF, orange
constexpr int kFrameWidth = 3;
constexpr int kKeyFontSize = 10;

}  // namespace

TOrvaltKeyPanel::TOrvaltKeyPanel(QWidget* parent) : QWidget(parent) {}

QPushButton* TOrvaltKeyPanel::AddKey(const QString& caption, const QRect& place, bool bold) {
    auto* key = new QPushButton(caption, this);
    key->setGeometry(place);
    key->setFocusPolicy(Qt::NoFocus);
    QFont font = key->font();
    font.setPointSize(kKeyFontSize);
    font.setBold(bold);
    key->setFont(font);
    return key;
}

void TOrvaltKeyPanel::AppendToTarget(const QString& text) {
    if (Target) SetKeyTargetText(Target, KeyTargetText(Target) + text);
}

void TOrvaltKeyPanel::RemoveLastFromTarget() {
    if (!Target) return;
    const QString text = KeyTargetText(Target);
    if (!text.isEmpty()) SetKeyTargetText(Target, WithoutLastCharacter(text));
}

// The frame is drawn over the panel as the rectangle from (1, 1) to (width - 1, height - 1)
// with its far corner exclusive: the pen is centred on the edges at 1 and width - 2, so the
// frame shows 3 pixels wide on every side.
void TOrvaltKeyPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QPen(kFrameColor, kFrameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(1, 1, width() - 3, height() - 3));
}
