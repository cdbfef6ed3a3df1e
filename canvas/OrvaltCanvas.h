#pragma once
// The map control: the widget around TCanvasModel. It keeps the map picture (MapPicture.h:
// background, grid, shapes and labels in tiles), brings it up to date at every paint, draws it
// and over it the live layer and the overlays. Repaints are deferred: any number of changes
// within one event (one map tick) cost one paint.
//
// The mouse wheel zooms about the cursor. Mouse buttons, moves and keys go to Input, the
// mouse tools (TCanvasInteraction by default), in client pixels. The widget is their host: it
// shows their cursor over itself and passes their events to the owner, who binds the five
// events; an unbound event is empty and not called.

#include "canvas/CanvasInput.h"
#include "canvas/CanvasModel.h"
#include "canvas/MapPicture.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

class TOrvaltCanvas : public QWidget, public TCanvasModel, private TCanvasHost {
    Q_OBJECT

public:
    explicit TOrvaltCanvas(QWidget* parent = nullptr);
    ~TOrvaltCanvas() override;

    // Schedules a repaint; several calls before it paints once.
    void Invalidate() override;
    // The back buffer as UpdateBackBuffer left it (the client size, 32 bits per pixel).
    const QImage& BackBuffer() const { return backBuffer_; }
    // Brings the picture up to date now and copies it into the back buffer: the map without
    // the live layer and the overlays.
    void UpdateBackBuffer();

    // The project file (ProjectFile.h): mode 0 replaces the drawing, any other merges. Each
    // returns false with the reason in *reason and shows nothing; a failed save leaves the old
    // file, a failed load the drawing, as it was.
    bool SaveProject(const QString& path, std::string* reason = nullptr) const;
    bool LoadProject(const QString& path, int mode, std::string* reason = nullptr);

    // A DXF background drawing (DxfImport.h) onto its own layer, "_dxf_" + the file's name.
    // True when it added a shape; a refusal ("DXF load failed: ...") comes back in *reason,
    // changes nothing and shows nothing.
    bool ImportDXFFile(const QString& path, std::string* reason = nullptr);
    // As ImportDXFFile, showing the reason of a refusal in a message box.
    bool ImportDXF(const QString& path);
    // The drawing as a DXF file of release 12 (DxfExport.h); false with the reason in *reason
    // and the old file untouched when it cannot be written. Shows nothing.
    bool ExportDXF(const QString& path, std::string* reason = nullptr) const;

    std::function<void(TOrvaltCanvas* Sender, short ShapeType, int ShapeNumber)>
        OnShapeNumberSelected;
    std::function<void(TOrvaltCanvas* Sender, short Shift, double X, double Y, double Magnitude,
                       double Angle)>
        OnWorldMouseMove;
    std::function<void(TOrvaltCanvas* Sender, short Button, short Shift, short Action, double X,
                       double Y)>
        OnWorldMouseDown;
    std::function<void(TOrvaltCanvas* Sender, short ShapeType, double X, double Y)> OnDrawBegin;
    std::function<void(TOrvaltCanvas* Sender, short ShapeType, double X, double Y)> OnDrawEnd;
    std::function<void(TOrvaltCanvas* Sender)> OnDblClick;

    // The tools fed by the mouse and the keys.
    std::unique_ptr<TCanvasInput> Input;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetCursor(TCanvasCursor cursor) override;
    void ShapeNumberSelected(int shapeType, int shapeNumber) override;
    void WorldMouseMove(int shift, double x, double y, double magnitude, double angle) override;
    void WorldMouseDown(int button, int shift, int action, double x, double y) override;
    void DrawBegin(int shapeType, double x, double y) override;
    void DrawEnd(int shapeType, double x, double y) override;

    // Brings the picture up to date and takes in the Dirty mark.
    void UpdatePicture();

    TMapPicture picture_;
    QImage backBuffer_;
};
