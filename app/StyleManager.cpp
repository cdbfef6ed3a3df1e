#include "app/StyleManager.h"

#include "platform/Dialogs.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <array>

namespace {

const char* const kSystemStyle = "Windows";

// Colours as 0xRRGGBB: window and panels, window text, edit fields, edit text, buttons,
// selection.
struct TStylePalette {
    const char* name;
    unsigned window, windowText, base, text, button, highlight;
};

constexpr std::array<TStylePalette, 35> kPalettes{{
    {"Amakrits", 0x2B2B2B, 0xE6E6E6, 0x1E1E1E, 0xF0F0F0, 0x3A3A3A, 0xB0762E},
    {"Amethyst Kamri", 0xE8E2F0, 0x2E2440, 0xFFFFFF, 0x1E1830, 0xD6CCE6, 0x8A5FBF},
    {"Aqua Graphite", 0x3C4046, 0xE0E6EA, 0x2C2F33, 0xF0F4F6, 0x4A4F56, 0x2FA6C8},
    {"Aqua Light Slate", 0xDDE4EA, 0x1F2A33, 0xFFFFFF, 0x16202A, 0xCAD5DE, 0x3B9CC4},
    {"Auric", 0x3A352A, 0xF2E6C4, 0x2A261E, 0xF7EBCB, 0x4A4434, 0xC8A030},
    {"Carbon", 0x262626, 0xDCDCDC, 0x1A1A1A, 0xEAEAEA, 0x333333, 0x5C8AC8},
    {"Charcoal Dark Slate", 0x2F3338, 0xD8DDE2, 0x23262A, 0xE8ECEF, 0x3B4046, 0x4F7FAF},
    {"Cobalt XEMedia", 0x1F2B3E, 0xD6E2F2, 0x16202E, 0xE6EEF8, 0x2A3A52, 0x3D7FD0},
    {"Cyan Dusk", 0x2D3A40, 0xD4ECF0, 0x202B30, 0xE4F4F6, 0x38484F, 0x1FB0C0},
    {"Cyan Night", 0x1E282C, 0xCFE8EC, 0x151D20, 0xDFF2F5, 0x2A373C, 0x17A2B2},
    {"Emerald Light Slate", 0xDCE6E0, 0x1C2A22, 0xFFFFFF, 0x14201A, 0xC8D8CE, 0x2E9E62},
    {"Glossy", 0x343434, 0xEEEEEE, 0x242424, 0xF4F4F4, 0x454545, 0x4C8ED8},
    {"Glow", 0x2A2D33, 0xE2E6EC, 0x1E2126, 0xF0F2F6, 0x363A42, 0x3FA0E0},
    {"Golden Graphite", 0x38383A, 0xEDE3C8, 0x29292B, 0xF4ECD6, 0x48484B, 0xC09A38},
    {"Iceberg Classico", 0xE4ECF2, 0x1A2630, 0xFFFFFF, 0x101A22, 0xD2DEE8, 0x4A8CC8},
    {"Lavender Classico", 0xE8E4F2, 0x26203A, 0xFFFFFF, 0x1C1630, 0xD8D0EA, 0x7A68C0},
    {"Light", 0xF0F0F0, 0x000000, 0xFFFFFF, 0x000000, 0xE6E6E6, 0x3399FF},
    {"Luna", 0xECE9D8, 0x000000, 0xFFFFFF, 0x000000, 0xDCD8C4, 0x316AC5},
    {"Obsidian", 0x1F2023, 0xD2D4D8, 0x151618, 0xE2E4E8, 0x2C2E32, 0x4A78B8},
    {"Onyx Blue", 0x22262E, 0xD4DCE8, 0x181B21, 0xE4EAF2, 0x2E3440, 0x3B6FC6},
    {"Ruby Graphite", 0x363234, 0xEDE0E2, 0x282527, 0xF4E9EB, 0x464043, 0xB8323E},
    {"Sapphire Kamri", 0xDCE2F0, 0x18223A, 0xFFFFFF, 0x101830, 0xC8D2EA, 0x2E5FC0},
    {"Silver", 0xE2E2E2, 0x202020, 0xFFFFFF, 0x101010, 0xD0D0D0, 0x6F8FB0},
    {"Sky", 0xE6F0FA, 0x14283C, 0xFFFFFF, 0x0C1E30, 0xD2E4F4, 0x3D8FE0},
    {"Slate Classico", 0xD8DCE0, 0x1E2226, 0xFFFFFF, 0x141618, 0xC6CBD0, 0x55708C},
    {"Smokey Quartz Kamri", 0xE2DEDA, 0x2C2824, 0xFFFFFF, 0x201C18, 0xD2CCC6, 0x8C7A68},
    {"Tablet Dark", 0x202020, 0xE8E8E8, 0x161616, 0xF2F2F2, 0x2E2E2E, 0x0078D7},
    {"Tablet Light", 0xF7F7F7, 0x1A1A1A, 0xFFFFFF, 0x000000, 0xEAEAEA, 0x0078D7},
    {"Turquoise Gray", 0xDDE2E2, 0x1E2828, 0xFFFFFF, 0x141C1C, 0xC9D1D1, 0x20A0A0},
    {"Windows10", 0xF0F0F0, 0x000000, 0xFFFFFF, 0x000000, 0xE1E1E1, 0x0078D7},
    {"Windows10 Blue", 0xE3ECF7, 0x0A1E3C, 0xFFFFFF, 0x061630, 0xCCDDF2, 0x0063B1},
    {"Windows10 Dark", 0x2B2B2B, 0xF0F0F0, 0x1F1F1F, 0xFFFFFF, 0x383838, 0x0078D7},
    {"Windows10 Green", 0xE4F2E6, 0x0E2A14, 0xFFFFFF, 0x08200E, 0xCCE6D0, 0x107C10},
    {"Windows10 Purple", 0xEEE6F4, 0x2A103C, 0xFFFFFF, 0x200830, 0xDCCCEA, 0x744DA9},
    {"Windows10 SlateGray", 0xE2E6EA, 0x1C2228, 0xFFFFFF, 0x12181E, 0xCDD3D9, 0x5A6B7C},
}};

QString activeStyle = kSystemStyle;

const TStylePalette* FindPalette(const QString& name) {
    for (const auto& palette : kPalettes) {
        if (name == palette.name) return &palette;
    }
    return nullptr;
}

QPalette MakePalette(const TStylePalette& p) {
    const QColor window(QRgb(p.window)), windowText(QRgb(p.windowText)), base(QRgb(p.base));
    const QColor text(QRgb(p.text)), button(QRgb(p.button)), highlight(QRgb(p.highlight));
    QPalette palette(windowText, button, button.lighter(130), button.darker(160),
                     button.darker(120), text, windowText, base, window);
    palette.setColor(QPalette::ButtonText, windowText);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, QColor(Qt::white));
    palette.setColor(QPalette::AlternateBase, base.darker(105));
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, windowText.darker(150));
    // Disabled texts lie halfway between the text and its background, on light and dark styles.
    const auto halfway = [](const QColor& a, const QColor& b) {
        return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2,
                      (a.blue() + b.blue()) / 2);
    };
    palette.setColor(QPalette::Disabled, QPalette::Text, halfway(text, base));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, halfway(windowText, window));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, halfway(windowText, button));
    return palette;
}

}  // namespace

QStringList TStyleManager::StyleNames() {
    QStringList names;
    for (const auto& palette : kPalettes) names << palette.name;
    names << kSystemStyle;
    names.sort();
    return names;
}

bool TStyleManager::IsStyleName(const QString& name) {
    return name == kSystemStyle || FindPalette(name) != nullptr;
}

bool TStyleManager::TrySetStyle(const QString& name, bool showErrorDialog) {
    const TStylePalette* palette = FindPalette(name);
    if (!palette && name != kSystemStyle) {
        if (showErrorDialog) ShowMessage("Style \"" + name + "\" not found.");
        return false;
    }
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(palette ? MakePalette(*palette)
                                     : QApplication::style()->standardPalette());
    activeStyle = name;
    return true;
}

QString TStyleManager::ActiveStyleName() { return activeStyle; }

QColor TStyleManager::PanelColor() { return QApplication::palette().color(QPalette::Window); }
