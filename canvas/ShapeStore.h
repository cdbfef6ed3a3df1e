#pragma once
// The canvas's drawing: layers, shapes in drawing order (first drawn first, last on top) and
// the font table. Shapes and layers are addressed by integer ids, -1 meaning none; shape ids
// count up from 1 and layer ids from 0, and are never reused, except that deleting all shapes
// starts shape ids at 1 again. An operation given an id that names nothing changes nothing
// and a getter then returns its stated default.
//
// Shapes are found by id through an index that also knows the shapes of each layer, and layers
// by id and by name through their own indexes: imports and the project reader, which look up
// every shape and layer they add, stay linear, and the map tick's work on the vessel layer
// costs what that layer holds, whatever the size of the drawing. So that the indexes stay
// true, a layer keeps its Id and Name, and a shape changes its layer only through SetShapeLayer
// and ReassignLayer.
//
// Every change but two marks the drawing Dirty, and the map picture is then drawn afresh at the
// next paint: a shape appended on top is drawn onto the picture as it is, and the shapes of the
// live layer (the vessel, redrawn at every map tick) are drawn over the picture at every paint.
// Invalidate asks the widget for a deferred repaint.

#include "canvas/CullBoxList.h"
#include "canvas/MapLayerNames.h"
#include "canvas/QFontEntry.h"
#include "canvas/QLayer.h"
#include "canvas/QShape.h"
#include "canvas/ShapePrefetch.h"
#include "canvas/ShapeStoreIndex.h"

#include <QHash>
#include <memory>
#include <span>
#include <string>
#include <vector>

class TQPolyline;
class TQText;

struct TLineEnds {
    bool Found = false;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

struct TPointXY {
    bool Found = false;
    double X = 0, Y = 0;
};

struct TTextInfo {
    bool Found = false;
    double X = 0, Y = 0;
    std::string Text;  // UTF-8
};

class TShapeStore {
public:
    TShapeStore();
    virtual ~TShapeStore();
    TShapeStore(const TShapeStore&) = delete;
    TShapeStore& operator=(const TShapeStore&) = delete;

    // Asks for a repaint; the picture is drawn afresh only when Dirty is set.
    virtual void Invalidate() {}
    // Marks the picture for drawing afresh and asks for a repaint.
    void Redraw();

    // Layers
    // Returns the first layer named exactly `name`, creating it when there is none; either way
    // it becomes CurrentLayer.
    int AddLayer(const QString& name);
    TQLayer* FindLayer(int id);
    const TQLayer* FindLayer(int id) const;
    int FindLayerByName(const QString& name) const;
    const std::vector<std::unique_ptr<TQLayer>>& Layers() const { return layers_; }
    int NextLayerId() const { return nextLayerId_; }

    int GetLayerTag(int id) const;
    void SetLayerTag(int id, int tag);
    TColor GetLayerColor(int id) const;
    // Also recolours every shape of the layer.
    void SetLayerColor(int id, TColor color);
    int GetLayerLineWidth(int id) const;
    // Also sets the width of every shape of the layer.
    void SetLayerLineWidth(int id, int width);
    int GetLayerAux1(int id) const;
    void SetLayerAux1(int id, int value);
    // Existing shapes keep their fill; new ones take it.
    TColor GetLayerFillColor(int id) const;
    void SetLayerFillColor(int id, TColor color);
    int GetLayerAux2(int id) const;
    void SetLayerAux2(int id, int value);
    int GetLayerBrushStyle(int id) const;
    void SetLayerBrushStyle(int id, int style);
    bool GetLayerVisible(int id) const;
    void SetLayerVisible(int id, bool visible);
    int GetLayerAux3(int id) const;
    void SetLayerAux3(int id, int value);
    // Mode 1 moves every shape of fromLayer to toLayer; other modes move nothing.
    void ReassignLayer(int fromLayer, int toLayer, int mode);

    // Adding shapes. A layer id that names no layer puts the shape on "Default" (created when
    // missing, and made current). Each returns the new shape's id and does not repaint.
    int AddLine(double x1, double y1, double x2, double y2, int layer);
    int AddCircle(double cx, double cy, double r, int layer);
    int AddRectangle(double x1, double y1, double x2, double y2, int layer);
    int AddPoint(double x, double y, int layer);
    int AddEllipse(double x1, double y1, double x2, double y2, int layer);
    int AddArc(double x1, double y1, double x2, double y2, double x3, double y3, int layer);
    // -1 for fewer than two points, without using an id.
    int AddPolyline(const std::vector<TWorldPoint>& points, int layer, bool closed);
    // Font from the font table entry fontIndex when there is one, else Arial 10.
    int AddText(int layer, const QString& text, double x, double y, int fontIndex);
    // The project reader's way in, without a second copy of each shape it has read: a text,
    // or a line, circle or rectangle, added as the operations above add theirs. With ownPen
    // the shape keeps its Color and LineWidth.
    int AddText(std::unique_ptr<TQText> text);
    int AddInLayerStyle(std::unique_ptr<TQShape> shape, bool ownPen);
    // Appends a shape built by a file reader: it gets the next id, keeps its own layer and
    // pen, and lands on top.
    int AddShape(std::unique_ptr<TQShape> shape);
    // Makes room for this many shapes in all, so that a reader about to add many adds them
    // without regrowing the store.
    void ReserveShapes(size_t count);
    // Hands out the next id to a shape that is still being drawn and not yet in the store.
    int ReserveShapeId() { return nextShapeId_++; }
    // Appends a shape that holds an id from ReserveShapeId and returns that id. An id that is
    // no longer free (the ids started again since) is replaced by the next one, so two shapes
    // never share an id.
    int AddReservedShape(std::unique_ptr<TQShape> shape);
    // Destroys every shape, empties SelectedIds and starts shape ids at 1 again. Whatever
    // holds a reserved id is told first (BeforeShapeIdsReset), so the id is not handed out
    // twice. The project reader's replace mode goes through here too.
    void ResetShapeIds();

    // Deleting shapes; deleted ids leave SelectedIds too.
    // -1 deletes every shape and starts ids at 1 again (ResetShapeIds). Emptying the live
    // layer repaints without marking the drawing Dirty.
    void DeleteLayerShapes(int layerId);
    void DeleteLayerShapesByName(const QString& name);
    void DeleteShape(int id);
    // Discards every shape and every layer and starts again with the single layer "Default":
    // layer ids from 0 and shape ids from 1. The font table and the text defaults stay.
    void ClearDrawing();

    // Shapes by id. Whoever changes a shape's geometry through FindShape calls ShapeChanged
    // afterwards, so the shape is drawn where it now lies.
    TQShape* FindShape(int id);
    const TQShape* FindShape(int id) const;
    const std::vector<std::unique_ptr<TQShape>>& Shapes() const { return shapes_; }
    // The position in Shapes() of the shape with this id, or none.
    std::optional<size_t> PositionOf(int id) const { return index_.PositionOf(id); }
    // The positions of the layer's shapes in drawing order.
    std::vector<size_t> PositionsOnLayer(int layer) const;
    // The boxes of Shapes(), position by position, with their block boxes.
    const TCullBoxList& CullBoxes() const { return boxes_; }
    // Takes in a change of the shape's geometry or bounds and marks the drawing Dirty.
    void ShapeChanged(int id);
    int ShapeCount() const { return static_cast<int>(shapes_.size()); }
    int NextShapeId() const { return nextShapeId_; }

    int GetShapeType(int id) const;
    int GetShapeLineWidth(int id) const;
    void SetShapeLineWidth(int id, int width);
    TColor GetShapeColor(int id) const;
    void SetShapeColor(int id, TColor color);
    int GetShapeAux1(int id) const;
    void SetShapeAux1(int id, int value);
    TColor GetShapeFillColor(int id) const;
    void SetShapeFillColor(int id, TColor color);
    int GetShapeBrushStyle(int id) const;
    void SetShapeBrushStyle(int id, int style);
    int GetShapeAux3(int id) const;
    void SetShapeAux3(int id, int value);
    int GetShapeLayerId(int id) const;
    void SetShapeLayer(int id, int layer);
    bool IsShapeSelected(int id) const;
    QString GetShapeUserText1(int id) const;
    // Does not mark the drawing Dirty: the text is never drawn.
    void SetShapeUserText1(int id, const QString& text);
    QString GetShapeUserText2(int id) const;
    void SetShapeUserText2(int id, const QString& text);
    int GetShapeAux4(int id) const;
    void SetShapeAux4(int id, int value);
    // Texts only; other kinds read 0 and ignore the setter.
    int GetTextHAlign(int id) const;
    void SetTextHAlign(int id, int align);
    int GetTextVAlign(int id) const;
    void SetTextVAlign(int id, int align);
    // Points only; other kinds read 0 and ignore the setter.
    int GetPointRadius(int id) const;
    void SetPointRadius(int id, int radius);

    std::vector<int> GetAllShapeIds() const;
    std::vector<int> GetLayerShapeIds(int layer) const;
    // A line's two ends, or a polyline's first and last vertex.
    TLineEnds GetLineEnds(int id) const;
    TPointXY GetPointXY(int id) const;
    TTextInfo GetTextInfo(int id) const;
    // Polylines only: 0 for other kinds and for i out of range.
    double GetVertexX(int id, int i) const;
    double GetVertexY(int id, int i) const;
    int GetVertexCount(int id) const;

    // Geometry and order by id; none repaints.
    void MoveShape(int id, double dx, double dy);
    void ScaleShape(int id, double cx, double cy, double sx, double sy);
    void RotateShape(int id, double angleDeg, double cx, double cy);
    // Axis 0 mirrors x about cx, axis 1 mirrors y about cy, any other axis changes nothing.
    void MirrorShape(int id, int axis, double cx, double cy);
    void SetVertex(int id, int i, double x, double y);
    void InsertVertex(int id, int i, double x, double y);
    void DeleteVertex(int id, int i);
    void BringToFront(int id);
    void SendToBack(int id);
    // Positive: to the front; negative: to the back; 0: nothing.
    void ChangeOrder(int id, int direction);

    // Selection: the Selected flags of the shapes and SelectedIds, the ids in the order
    // selected. SelectedIds may hold an id more than once; a removal drops every entry of it.
    // Each operation marks the drawing Dirty unless it says otherwise; only those that say
    // so repaint.
    // Unless add, everything is deselected first; an id that names nothing then adds nothing.
    void SelectShape(int id, bool add);
    void DeselectShape(int id);
    // Appends every id, without emptying SelectedIds first.
    void SelectAll();
    void ClearSelection();
    // As ClearSelection, leaving Dirty alone.
    void ClearSelectionWithoutDirty();
    void SelectLayerShapes(int layer, bool add);
    void DeselectLayerShapes(int layer);
    // Selects exactly the shapes of these layers; repaints.
    void SelectByLayerIds(const std::vector<int>& layers);
    void MoveSelected(double dx, double dy);
    std::vector<int> GetSelectedIds() const { return SelectedIds; }
    // Counted from the flags, so an id listed twice counts once.
    int GetSelectedCount() const;
    // Destroys the selected shapes in one pass and empties SelectedIds; repaints.
    void DeleteSelectedShapes();

    // Polygon (lasso) selection; a shape passes when a test point of it lies inside the
    // polygon (PointInPolygon). Both clear the selection first, select nothing for fewer than
    // three vertices, and repaint.
    // Every shape but those on "Orvalt_SelectPoly", the lasso itself, whatever its visibility.
    // Test points: a point, either end of a line, any vertex of a polyline, the four corners
    // and the centre of a rectangle, the centre of a circle or an ellipse, the anchor of a
    // text, any of the three points of an arc.
    void SelectInPolygon(std::span<const TWorldPoint> polygon);
    // The shapes of the listed layers. Test points: a point, either end of a line, any vertex
    // of a polyline, the centre of the bounding box of any other kind.
    void SelectInPolygonOnLayers(std::span<const TWorldPoint> polygon,
                                 const std::vector<int>& layers);
    // The vertices of the last polyline (of two vertices or more) on "Orvalt_Route" or
    // "Orvalt_SelectPoly", or on any layer when neither layer exists; empty when none.
    std::vector<TWorldPoint> GetRoutePolyline() const;

    // Appends a font table entry from "name,size,styles" and returns its index.
    int AddFont(const QString& spec);
    void ResetTextDefaults();

    int CurrentLayer = 0;
    std::vector<TQFontEntry> Fonts;
    // Alignments given to new texts.
    int DefaultHAlign = 0;
    int DefaultVAlign = 0;
    // Ids of the selection in the order selected; may hold an id more than once.
    std::vector<int> SelectedIds;
    // The map picture must be drawn afresh.
    bool Dirty = true;
    // The layer whose shapes the map tick replaces several times a second (the vessel symbol),
    // -1 for none: its shapes are drawn over the map picture at every paint, above the other
    // shapes, the grid and the labels, so changing them costs no new picture.
    int LiveLayer = -1;

protected:
    // Called before the shape ids start again.
    virtual void BeforeShapeIdsReset() {}
    // The layer when it exists, else "Default", created when missing.
    int LayerOrDefault(int layer);

private:
    // Gives the shape its layer's Color and LineWidth, then adds it.
    int AddWithLayerPen(std::unique_ptr<TQShape> shape);
    // Puts a shape that already has its id on top.
    int Append(std::unique_ptr<TQShape> shape);
    // Applies to the shape of this id, when there is one, and marks the drawing Dirty.
    template <class Kind = TQShape, class F>
    void Change(int id, F&& change) {
        if (Kind* shape = FindKind<Kind>(id)) {
            change(*shape);
            ShapeChanged(id);
        }
    }
    // The shape of this id when it is of that kind.
    template <class Kind>
    Kind* FindKind(int id) {
        return dynamic_cast<Kind*>(FindShape(id));
    }
    template <class Kind>
    const Kind* FindKind(int id) const {
        return dynamic_cast<const Kind*>(FindShape(id));
    }
    // Selects every shape for which chosen is true, appending its id, in drawing order.
    template <class Predicate>
    void SelectWhere(Predicate&& chosen) {
        for (size_t i = 0; i < shapes_.size(); ++i) {
            PrefetchAfter(shapes_, i);
            TQShape& shape = *shapes_[i];
            if (!chosen(shape)) continue;
            shape.Selected = true;
            SelectedIds.push_back(shape.Id);
        }
    }
    // The position of the layer's first shape, or one before which none of them lies.
    size_t FirstPositionOnLayer(int layer) const;
    // A layer that holds much of the drawing is found faster by one walk in drawing order than
    // through the index.
    bool WalkFor(int layer) const;
    void RemoveLayerShapes(int layer);
    // Removes every shape from position first on for which doomed is true, keeping the order
    // of the rest, and marks the drawing Dirty unless all of them lay on the live layer. The
    // ids of the doomed shapes have left the index already (the predicate may take them out).
    template <class Predicate>
    void RemoveFrom(size_t first, Predicate&& doomed);
    void ReindexFrom(size_t position);
    void MoveToPosition(int id, bool toFront);

    std::vector<std::unique_ptr<TQLayer>> layers_;
    std::vector<std::unique_ptr<TQShape>> shapes_;
    TCullBoxList boxes_;
    TShapeIndex index_;
    QHash<QString, int> layerOfName_;
    int nextLayerId_ = 0;
    int nextShapeId_ = 1;
};
