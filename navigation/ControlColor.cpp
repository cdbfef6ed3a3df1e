#include "navigation/ControlColor.h"

#include "canvas/QPainterSurface.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// Text on normal-sized type reads at a contrast of 4.5 or more.
constexpr double kReadableContrast = 4.5;

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(TColor color) {
    return 0.2126 * Linear(RedOf(color)) + 0.7152 * Linear(GreenOf(color)) +
           0.0722 * Linear(BlueOf(color));
}

}  // namespace

double ContrastRatio(TColor a, TColor b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor ReadableTextColor(TColor background) {
    return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}

void SetControlColor(QWidget* control, TColor color) {
    if (!control) return;
    QPalette palette = control->palette();
    // Group boxes and panels, memos and edits, tool buttons.
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, ToQColor(color));
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        const TColor shown = ToTColor(palette.color(role));
        const bool reads = ContrastRatio(shown, color) >= kReadableContrast;
        palette.setColor(role, ToQColor(reads ? shown : ReadableTextColor(color)));
    }
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void ClearControlColor(QWidget* control) {
    if (!control) return;
    control->setPalette(QPalette());
    control->setAutoFillBackground(false);
}

TColor ControlColor(const QWidget* control) {
    return ToTColor(control->palette().color(QPalette::Window));
}
