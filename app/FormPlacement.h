#pragma once
// Windows remember where they were: state, position and size in a settings section named
// after the window's object name (keys WindowState 0 normal / 1 minimised / 2 maximised,
// Left, Top, Width, Height).

class QWidget;

struct TPlacement {
    bool maximised = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TStoredPlacement {
    int windowState = 0;
    int left = 0;
    int top = 0;
    int width = 0;   // the current width when none is stored
    int height = 0;  // the current height when none is stored
};

// Where a window goes: state 2 maximises and keeps the bounds as they are; anything else
// restores the stored corner (and the size when asked), with a corner that lies off the screen
// (negative, or at or beyond its width or height) moved to 0 on that axis.
TPlacement ResolvePlacement(const TStoredPlacement& stored, int currentWidth, int currentHeight,
                            int screenWidth, int screenHeight, bool restoreSize);

void SaveFormPlacement(QWidget* form);
void RestoreFormPlacement(QWidget* form, bool restoreSize);

// Moves the window so that its centre is the primary screen's.
void CentreOnScreen(QWidget* form);
// Moves the window so that its centre is the other window's.
void CentreOnWindow(QWidget* form, const QWidget* other);
