#include "navigation/MapCommandTexts.h"

#include "canvas/MapLayerNames.h"

// The auto-tracks question repeats the fixed one word for word, as the surveyors know it.
const TLayerClear kClearFixedTracks = {"Fixed/Float/DGPS tracking points to be cleared. Continue?",
                                       kFixedTrackLayerName, "Cleared Fixed/Float/DGPS tracklines"};
const TLayerClear kClearFloatTracks = {"Autonomous tracking points to be cleared. Continue?",
                                       kFloatTrackLayerName, "Cleared Autonomous tracklines"};
const TLayerClear kClearNoFixTracks = {"Fixed/Float/DGPS tracking points to be cleared. Continue?",
                                       kNoFixTrackLayerName, "Cleared NoFix tracklines"};
const TLayerClear kClearUserShapes = {"User added shapes to be deleted! Continue?",
                                      kUserShapeLayerName, ""};

QString LassoPromptText(TLassoKind kind) {
    return kind == TLassoKind::Tracks ? "Draw polygon to select tracks (right-click to finish)"
                                      : "Draw polygon to select shapes (right-click to finish)";
}

QString SelectionCountText(TLassoKind kind, int count) {
    if (count < 1) return QString();
    return QString::number(count) + (kind == TLassoKind::Tracks
                                         ? " track(s) selected. Press Delete to remove."
                                         : " shape(s) selected. Press Delete to remove.");
}

QString ClickedPositionText(double easting, double northing) {
    return QString::asprintf("Clicked: E%12.2f, N%12.2f", easting, northing);
}
