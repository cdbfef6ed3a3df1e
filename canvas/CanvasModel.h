#pragma once
// Everything the map canvas shows, without any widget: the drawing (TShapeStore), the view
// edges with the client size, and the display fields that the back buffer and the overlays
// are painted from. TOrvaltCanvas adds the widget; tests and the renderer use this alone.

#include "canvas/CanvasHost.h"
#include "canvas/QBlock.h"
#include "canvas/QShapePolyline.h"
#include "canvas/RasterLattice.h"
#include "canvas/ShapeStore.h"
#include "canvas/SoundingList.h"
#include "canvas/ViewTransform.h"

#include <memory>
#include <string>
#include <vector>

// An event mark's number at its grid position.
struct TNumberLabel {
    double X = 0, Y = 0;
    int Number = 0;
};

class TCanvasModel : public TShapeStore {
public:
    // The view as a value, with the current client size.
    TViewTransform View() const;
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    // The control changed size: the view grows to the new aspect ratio, never cropping.
    void ResizeClient(int width, int height);

    TPixel WorldToScreen(double x, double y) const { return View().WorldToScreen(x, y); }
    int WorldXToPixel(double x) const { return View().WorldXToPixel(x); }
    int WorldYToPixel(double y) const { return View().WorldYToPixel(y); }
    TWorldPoint ScreenToWorld(int px, int py) const { return View().ScreenToWorld(px, py); }
    double GetViewWidth() const { return ViewRight - ViewLeft; }
    double GetViewHeight() const { return ViewTop - ViewBottom; }

    // The pixel lattice the map is drawn on, following the view (RasterLattice.h).
    const TRasterLattice& Lattice() const;
    // The map's pixel of a world point on the screen, as the picture draws it: within half a
    // pixel of WorldToScreen.
    TPixelMapper ScreenMapper() const;

    // These four refuse non-finite values and a client without area, keeping the view; each
    // returns whether the view was set. A change asks for a repaint; the picture follows the
    // view by itself.
    // Fits the view to the visible shapes (layer visibility aside); shapes with boxes beyond
    // +-1e15, inverted or not finite are left out. No such shape: the default view.
    bool ZoomExtents();
    bool ZoomAt(double step, double x, double y);
    bool Pan(double dx, double dy);
    bool SetView(double left, double top, double right, double bottom);
    // As SetView, then widened in x or in y about its centre to the client's aspect ratio, so
    // the whole rectangle shows with one scale for both axes (a stored view on another screen).
    bool FitView(double left, double top, double right, double bottom);

    // Adds one shape per sample of the x y z file (XyzGrid.h) to the layer ("Default" when no
    // layer has that id): a solid cell of the grid's steps centred on the sample when the
    // samples lie on a grid, else a point; each coloured by HeightRampColor over [zMin, zMax],
    // or over the range of the data when both are 0. Then zooms to the extents. False, changing
    // nothing, when the file cannot be read or holds no sample.
    bool ImportXYZGrid(const QString& path, int layer, double zMin, double zMax);
    // Red at low, then yellow, green and cyan, to blue at high; z is clamped to the range, and a
    // range that is empty or reversed counts as 1 wide. A position on the ramp that is not a
    // finite number (an infinite range) gives red.
    static TColor HeightRampColor(double z, double low, double high);

    // The colour a shape of this colour is drawn with on BackgroundColor, so it stays visible.
    TColor ContrastColor(TColor color) const;
    // Changes the background; nothing happens for the colour it already has.
    void SetBackgroundColor(TColor color);

    // World edges of the view.
    double ViewLeft = 0, ViewRight = 1000, ViewTop = 1000, ViewBottom = 0;
    TColor BackgroundColor = kWhite;

    bool GridVisible = false;
    // Chooses the spacing from the view; so do spacings that are not positive.
    bool GridAutoSpacing = true;
    double GridSpacingX = 100.0, GridSpacingY = 100.0;
    TColor GridColor = kSilver;
    // 0 grid under the shapes, 1 over them, anything else no grid.
    int GridOnTop = 0;

    // Stored for the main window; the canvas never reads it.
    bool FollowVessel = true;

    // The blocks of the DXF imports (DxfImport.h), the last import's first, in the order of
    // its file; kept for as long as the canvas.
    std::vector<std::unique_ptr<TQBlock>> Blocks;
    // The first block in Blocks named exactly `name`, or nullptr.
    const TQBlock* FindBlock(const QString& name) const;
    // The layer that received the last DXF import.
    int ImportLayerId = 0;

    // Corners of the big depth and speed numbers (0 bottom-left, 1 bottom-right, 2 top-right,
    // 3 top-left) and of the position text (0 top-left, 1 top-right, 2 bottom-right,
    // 3 bottom-left).
    int BigNumberCorner = 0;
    int PositionTextCorner = 0;

    // Overlay data (MapOverlays.h draws it). Each operation asks for a repaint and never marks
    // the drawing Dirty, so the map tick may call them every time.
    // Stores a depth label unless one lies closer than SoundingMinSpacing (see TSoundingList).
    void AddSounding(double x, double y, double z);
    void ClearSoundings();
    const std::vector<TSounding>& GetSoundings() const { return Soundings.Items(); }
    void SetSoundingStyle(bool visible, double minSpacing, const QString& fontName, int fontSize,
                          TColor color);
    void AddNumberLabel(double x, double y, int number);
    void ClearNumberLabels();
    // Counts the changes of NumberLabels made through the two above.
    unsigned NumberLabelsRevision() const { return numberLabelsRevision_; }
    void SetDepthOverlay(double hi, double lo, bool show);
    void SetSpeedOverlay(double knots, bool show);
    // Move to the next corner, 3 wrapping to 0.
    void CycleBigNumberCorner();
    void CyclePositionTextCorner();
    void SetHeadingValid(bool valid);
    // The map tick's position line, whether the receiver gives no position, and the fix
    // quality that colours the box.
    void SetPositionOverlay(const std::string& ggaOverlayText, bool emptyGGA, int fixQuality);
    // The distance-and-bearing measure in world units; UpdateMeasure acts only while Measuring.
    void BeginMeasure(double x, double y);
    void UpdateMeasure(double x, double y, double distance, double bearing);
    void EndMeasure();
    // The client pixel lies on the position box (as drawn at PositionTextCorner).
    bool IsOnPositionText(int px, int py) const;

    TSoundingList Soundings;
    bool SoundingsVisible = true;
    double SoundingMinSpacing = 10.0;
    QString SoundingFontName = "Arial";
    int SoundingFontSize = 12;
    TColor SoundingColor = kBlack;
    std::vector<TNumberLabel> NumberLabels;
    // Metres and knots of the big numbers.
    double DepthHi = 0, DepthLo = 0;
    bool ShowDepth = false;
    double SpeedKn = 0;
    bool ShowSpeed = false;
    // False marks the heading part ("THdg:" onward) of the position line in red.
    bool HeadingValid = true;
    std::string GGAOverlayText;
    bool EmptyGGA = false;
    int CurrentFixQuality = 0;
    bool Measuring = false;
    double MeasureStartX = 0, MeasureStartY = 0, MeasureEndX = 0, MeasureEndY = 0;
    double MeasureDistance = 0, MeasureBearing = 0;

    // The active mouse tool, a drawing sequence under way, its last placed point (anchor), the
    // cursor while drawing (rubber point) and the polyline under construction.
    int DrawMode = 0;
    // The layer the drawing tools put their shapes on while it names one, else CurrentLayer.
    // The owner chooses it with the tool, or in OnDrawBegin, which every tool fires before it
    // builds a shape; CurrentLayer moving with AddLayer does not move a drawing. It goes back
    // to -1 when the tool returns to select and when a drawing is cancelled.
    int DrawLayer = -1;
    int DrawingLayer() const { return FindLayer(DrawLayer) ? DrawLayer : CurrentLayer; }
    bool ToolActive = false;
    bool PointPending = false;
    double AnchorX = 0, AnchorY = 0, RubberX = 0, RubberY = 0;
    std::unique_ptr<TQPolyline> PendingShape;

    // The mouse tools' state (CanvasInteraction.h): keep the tool after a shape is finished;
    // let the Delete key delete the selection; the left press after a right-button finish is
    // swallowed; the world point of the last press; middle-button panning and dynamic zoom
    // under way, with the pixel they last acted at.
    bool KeepDrawMode = false;
    bool AllowDeleteKey = false;
    bool SwallowNextClick = false;
    double PressX = 0, PressY = 0;
    bool Panning = false;
    bool DragZooming = false;
    TPixel DragPixel;

    // The id of the topmost visible shape within 3 pixels of the world point (x, y), or its
    // LineWidth in pixels when that is 4 or more; -1 when none. Layer visibility aside.
    int HitTest(double x, double y) const;
    // Ends a drawing under way without an event (Escape): the polyline under construction is
    // destroyed, ToolActive and PointPending are cleared, the cursor is the default again and
    // the rubber band goes. DrawMode stays.
    void AbandonDrawing();
    // As AbandonDrawing, and the next left press is not swallowed either; DrawLayer is -1 again.
    void CancelDrawing();

    // The control showing the canvas (its cursor and the owner's events); a silent one until
    // a host is set. The host must outlive the model or be reset to nullptr.
    void SetHost(TCanvasHost* host) { host_ = host; }
    TCanvasHost& Host() const;

protected:
    // A polyline under construction holds a reserved id; it goes before the ids start again.
    void BeforeShapeIdsReset() override { CancelDrawing(); }

private:
    bool ApplyView(const TViewTransform& view);

    TCanvasHost* host_ = nullptr;
    mutable TRasterLattice lattice_;
    unsigned numberLabelsRevision_ = 0;

    int clientWidth_ = 400;
    int clientHeight_ = 300;
};
