#include "navigation/ControlColor.h"

#include "canvas/QPainterSurface.h"

#include <QWidget>

void SetControlColor(QWidget* control, TColor color) {
    if (!control) return;
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, ToQColor(color));  // group boxes, panels
    palette.setColor(QPalette::Base, ToQColor(color));    // memos and edits
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

TColor ControlColor(const QWidget* control) {
    return ToTColor(control->palette().color(QPalette::Window));
}
