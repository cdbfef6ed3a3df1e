#pragma once
// The lasso: a polygon the surveyor draws on the layer "Orvalt_SelectPoly" to select track
// points or shapes, without the window.

#include "navigation/MapCommandTexts.h"

class TShapeStore;

// Selects with the polygon just finished on "Orvalt_SelectPoly" and empties that layer; returns
// the number of shapes selected. Tracks are the shapes of "track_fix", "track_nofix" and
// "track_float"; shapes are those of every layer but the lasso's own.
//
// The polygon comes from that layer alone: a lasso dropped after one click leaves it empty, and
// then nothing is selected, whatever lies on the route layer. Fewer than three vertices select
// nothing either. Every call clears the earlier selection, so no Delete can remove shapes the
// surveyor did not just enclose.
int SelectWithLasso(TShapeStore& map, TLassoKind kind);
