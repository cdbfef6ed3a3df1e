#pragma once
// The window "SVP Profile Graph - Drag Points or Lasso Select": the surveyor cleans the
// averaged sound-velocity list before the column is built. Sound velocity is plotted against
// depth; a point dragged sideways takes a new velocity, a freehand lasso selects spikes for
// deletion, and the grid on the right holds the same points as editable rows.
//
// The sound-velocity window shows it modally with the lines of its averaged list
// (LoadPoints) and, after "Save && Close", takes the points back (StorePoints). The points,
// the view and the lasso, and the arithmetic on them, are the widget-free TSVPPlot.

#include "tools/PaintBox.h"
#include "tools/SVPGraphModel.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <string>
#include <vector>

class QPainter;

class TfSVPGraph : public QDialog, public TSVPPlot {
public:
    explicit TfSVPGraph(QWidget* parent = nullptr);

    TPaintBox* PaintBox1;
    QSplitter* Splitter1;
    QWidget* PanelGrid;
    QTableWidget* StringGrid1;  // depth, SV, hits; Qt's header row is the fixed row
    QPushButton* bAddRow;
    QPushButton* bDeleteRow;
    QWidget* Panel1;
    QLabel* Label1;
    QPushButton* bDeleteSelected;
    QPushButton* bSaveAndClose;
    QPushButton* bCancel;

    // Replaces the points with those of the averaged list's lines and shows them.
    void LoadPoints(const std::vector<std::string>& lines);
    // Replaces the lines with one per point.
    void StorePoints(std::vector<std::string>& lines) const;

    void FormCreate();
    void FormResize();
    void PaintBox1Paint(QPainter& canvas) const;
    void PaintBox1DblClick();
    void FormMouseWheel(int x, int y, int delta);
    void PaintBox1MouseDown(Qt::MouseButton button, int x, int y);
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseUp(Qt::MouseButton button, int x, int y);
    void bDeleteSelectedClick();
    void bAddRowClick();
    void bDeleteRowClick();
    // A committed cell edit.
    void StringGrid1SetEditText(int row);
    void StringGrid1Click();
    void bSaveAndCloseClick();
    void bCancelClick();

    void FillGrid();
    // Rebuilds the points from the rows, only when every row converts; else tells which cell
    // does not and keeps the points as they were.
    bool ReadGrid();
    void DrawGrid(QPainter& canvas) const;
    void DrawPoints(QPainter& canvas) const;
    void DrawLasso(QPainter& canvas) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateGridPanel();
    void CreateButtonPanel();
    void BindHandlers();
    void ShowSelectedCount(int count);
    void Repaint();
};

extern TfSVPGraph* fSVPGraph;
