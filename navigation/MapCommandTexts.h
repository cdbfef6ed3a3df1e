#pragma once
// The texts of the main window's map commands, without the window: the lasso prompts and
// selection counts of status panel 0, the clicked position of panel 2, and the questions and
// events-log records of the commands that clear a layer.

#include <QString>

// What the next finished lasso polygon selects: track points, or shapes of every layer.
enum class TLassoKind { Tracks, Shapes };

QString LassoPromptText(TLassoKind kind);
// The count followed by " track(s) selected. Press Delete to remove." (or " shape(s) ..."); an
// empty text when nothing was selected.
QString SelectionCountText(TLassoKind kind, int count);
// "Clicked: E" and the easting as "%12.2f", then ", N" and the northing the same way (grid
// metres).
QString ClickedPositionText(double easting, double northing);

// A command that empties one layer after a Yes to its question. `record` goes to the events
// log; an empty one writes nothing.
struct TLayerClear {
    const char* question;
    const char* layer;
    const char* record;
};

extern const TLayerClear kClearFixedTracks;
extern const TLayerClear kClearFloatTracks;
extern const TLayerClear kClearNoFixTracks;
extern const TLayerClear kClearUserShapes;
