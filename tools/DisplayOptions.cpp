#include "tools/DisplayOptions.h"

#include "canvas/CanvasModel.h"
#include "canvas/DisplaySettings.h"
#include "platform/NumberFormat.h"

void SetDisplaySettings(const TDisplayOptionTexts& options) {
    GridVisible = options.gridVisible;
    AutoGrid = options.autoGrid;
    SetGridSpacings(options.gridSpacingX, options.gridSpacingY);
    GridColor = options.gridColor;
    ShowDepthLabels = options.showDepthLabels;
    DepthLabelSpacing = StrToFloatDef(options.depthLabelSpacing, kDepthLabelSpacingFallback);
    DepthLabelFontName = options.depthLabelFontName.toStdString();
    DepthLabelFontSize = StrToIntDef(options.depthLabelFontSize, kDepthLabelFontSizeFallback);
    DepthLabelColor = options.depthLabelColor;
    EventLabelFontSize = StrToIntDef(options.eventLabelFontSize, kEventLabelFontSizeFallback);
    EventLabelColor = options.eventLabelColor;
    OverlayFontSize = StrToIntDef(options.overlayFontSize, kOverlayFontSizeFallback);
    OverlayDepthColor = options.overlayDepthColor;
    OverlaySpeedColor = options.overlaySpeedColor;
}

void SetGridSpacings(const QString& spacingX, const QString& spacingY) {
    GridSpacingX = StrToFloatDef(spacingX, kGridSpacingFallback);
    GridSpacingY = StrToFloatDef(spacingY, kGridSpacingFallback);
}

void CopyGridToMap(TCanvasModel& map) {
    map.GridVisible = GridVisible;
    map.GridAutoSpacing = false;
    map.GridSpacingX = AutoGrid ? 0 : GridSpacingX;
    map.GridSpacingY = AutoGrid ? 0 : GridSpacingY;
    map.GridColor = GridColor;
    map.Dirty = true;
    map.Invalidate();
}
