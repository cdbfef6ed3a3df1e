#pragma once
// An entry of the canvas's font table; new texts take their font from it by index.

#include <QString>

struct TQFontEntry {
    QString FontName;
    int Size = 10;
    bool Bold = false;
    bool Italic = false;
    // Its own position in the table.
    int Index = 0;
};

// Reads "name,size,styles" (styles: letters, B bold, I italic, any case); a missing or
// unreadable size gives 10 and the name "TXT" in any case stands for Arial.
TQFontEntry ParseFontSpec(const QString& spec);
