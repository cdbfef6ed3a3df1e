#include "tools/ColorBox.h"

#include "canvas/QPainterSurface.h"

#include <QPixmap>

namespace {

struct TNamedColor {
    TColor color;
    const char* name;
};

const TNamedColor kColors[] = {
    {0x000000, "Black"}, {0x000080, "Maroon"},      {0x008000, "Green"},
    {0x008080, "Olive"}, {0x800000, "Navy"},        {0x800080, "Purple"},
    {0x808000, "Teal"},  {0x808080, "Gray"},        {0xC0C0C0, "Silver"},
    {0x0000FF, "Red"},   {0x00FF00, "Lime"},        {0x00FFFF, "Yellow"},
    {0xFF0000, "Blue"},  {0xFF00FF, "Fuchsia"},     {0xFFFF00, "Aqua"},
    {0xFFFFFF, "White"}, {0xC0DCC0, "Money Green"}, {0xF0CAA6, "Sky Blue"},
    {0xF0FBFF, "Cream"}, {0xA4A0A0, "Medium Gray"},
};

constexpr int kSwatchWidth = 24;
constexpr int kSwatchHeight = 12;

}  // namespace

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent) {
    setIconSize(QSize(kSwatchWidth, kSwatchHeight));
    for (const TNamedColor& entry : kColors) AddColor(entry.color, entry.name);
}

TColor TColorBox::Selected() const { return currentData().toInt(); }

void TColorBox::SetSelected(TColor color) {
    int index = findData(color);
    if (index < 0) {
        AddColor(color, "Custom");
        index = count() - 1;
    }
    setCurrentIndex(index);
}

void TColorBox::AddColor(TColor color, const QString& name) {
    QPixmap swatch(kSwatchWidth, kSwatchHeight);
    swatch.fill(ToQColor(color));
    addItem(QIcon(swatch), name, color);
}
