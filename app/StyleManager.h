#pragma once
// The visual styles the user can choose by name. Each named style is the Fusion style with a
// palette of its own; "Windows" is the system style the program starts with. The names are the
// ones stored as APPLICATION/ThemeStyle, so stored settings keep working.

#include <QColor>
#include <QString>
#include <QStringList>

class TStyleManager {
public:
    // The 35 named styles and "Windows", in alphabetical order.
    static QStringList StyleNames();
    static bool IsStyleName(const QString& name);
    // Applies the style; an unknown name leaves the style as it is and, when showErrorDialog is
    // set, tells the user.
    static bool TrySetStyle(const QString& name, bool showErrorDialog);
    static QString ActiveStyleName();
    // Background of panels in the active style (the map's background).
    static QColor PanelColor();
};
