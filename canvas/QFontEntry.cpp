#include "canvas/QFontEntry.h"

#include "platform/NumberFormat.h"

TQFontEntry ParseFontSpec(const QString& spec) {
    TQFontEntry entry;
    const qsizetype first = spec.indexOf(',');
    entry.FontName = first < 0 ? spec : spec.left(first);
    if (first >= 0) {
        const qsizetype second = spec.indexOf(',', first + 1);
        const QString sizeText =
            second < 0 ? spec.mid(first + 1) : spec.mid(first + 1, second - first - 1);
        entry.Size = StrToIntDef(sizeText, 10);
        const QString style = second < 0 ? QString() : spec.mid(second + 1).toUpper();
        entry.Bold = style.contains('B');
        entry.Italic = style.contains('I');
    }
    if (entry.FontName.compare("TXT", Qt::CaseInsensitive) == 0) entry.FontName = "Arial";
    return entry;
}
