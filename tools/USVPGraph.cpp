#include "tools/USVPGraph.h"

#include "platform/Dialogs.h"
#include "platform/NumberFormat.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

TfSVPGraph* fSVPGraph = nullptr;

namespace {

constexpr int kGridColumnWidth = 60;
const QSize kPaintBoxSize(700, 500);

template <class Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(name);
    return control;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TfSVPGraph::TfSVPGraph(QWidget* parent) : QDialog(parent) {
    setObjectName("fSVPGraph");
    setWindowTitle("SVP Profile Graph - Drag Points or Lasso Select");
    auto* layout = new QVBoxLayout(this);
    Splitter1 = Named(new QSplitter(Qt::Horizontal, this), "Splitter1");
    PaintBox1 = Named(new TPaintBox(Splitter1), "PaintBox1");
    PaintBox1->setMinimumSize(200, 150);
    Splitter1->addWidget(PaintBox1);
    CreateGridPanel();
    Splitter1->setStretchFactor(0, 1);
    layout->addWidget(Splitter1, 1);
    CreateButtonPanel();
    layout->addWidget(Panel1);
    BindHandlers();
    PaintBox1->resize(kPaintBoxSize);
    resize(kPaintBoxSize.width() + 3 * kGridColumnWidth + 60, kPaintBoxSize.height() + 60);
    FormCreate();
}

void TfSVPGraph::CreateGridPanel() {
    PanelGrid = Named(new QWidget(Splitter1), "PanelGrid");
    auto* layout = new QVBoxLayout(PanelGrid);
    layout->setContentsMargins(0, 0, 0, 0);
    StringGrid1 = Named(new QTableWidget(0, 3, PanelGrid), "StringGrid1");
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->verticalHeader()->hide();
    for (int column = 0; column < 3; ++column)
        StringGrid1->setColumnWidth(column, kGridColumnWidth);
    layout->addWidget(StringGrid1, 1);
    auto* buttons = new QHBoxLayout;
    bAddRow = Named(new QPushButton("Add Row", PanelGrid), "bAddRow");
    bDeleteRow = Named(new QPushButton("Delete Row", PanelGrid), "bDeleteRow");
    for (QPushButton* button : {bAddRow, bDeleteRow}) {
        button->setAutoDefault(false);  // Enter commits a cell edit, not a button
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    Splitter1->addWidget(PanelGrid);
}

void TfSVPGraph::CreateButtonPanel() {
    Panel1 = Named(new QWidget(this), "Panel1");
    auto* layout = new QHBoxLayout(Panel1);
    Label1 = Named(new QLabel("Drag points to edit SV, or draw lasso to select spikes", Panel1),
                   "Label1");
    bDeleteSelected = Named(new QPushButton("Delete Selected (0)", Panel1), "bDeleteSelected");
    bDeleteSelected->setEnabled(false);
    bSaveAndClose = Named(new QPushButton("Save && Close", Panel1), "bSaveAndClose");
    bCancel = Named(new QPushButton("Cancel", Panel1), "bCancel");
    layout->addWidget(Label1, 1);
    for (QPushButton* button : {bDeleteSelected, bSaveAndClose, bCancel}) {
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
}

void TfSVPGraph::BindHandlers() {
    PaintBox1->OnPaint = [this](QPainter& canvas) { PaintBox1Paint(canvas); };
    PaintBox1->OnResize = [this] { FormResize(); };
    PaintBox1->OnMouseDown = [this](Qt::MouseButton b, int x, int y) {
        PaintBox1MouseDown(b, x, y);
    };
    PaintBox1->OnMouseMove = [this](int x, int y) { PaintBox1MouseMove(x, y); };
    PaintBox1->OnMouseUp = [this](Qt::MouseButton b, int x, int y) { PaintBox1MouseUp(b, x, y); };
    PaintBox1->OnDblClick = [this] { PaintBox1DblClick(); };
    PaintBox1->OnMouseWheel = [this](int x, int y, int delta) { FormMouseWheel(x, y, delta); };
    connect(StringGrid1, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { StringGrid1SetEditText(item->row()); });
    connect(StringGrid1, &QTableWidget::cellClicked, this, &TfSVPGraph::StringGrid1Click);
    connect(bAddRow, &QPushButton::clicked, this, &TfSVPGraph::bAddRowClick);
    connect(bDeleteRow, &QPushButton::clicked, this, &TfSVPGraph::bDeleteRowClick);
    connect(bDeleteSelected, &QPushButton::clicked, this, &TfSVPGraph::bDeleteSelectedClick);
    connect(bSaveAndClose, &QPushButton::clicked, this, &TfSVPGraph::bSaveAndCloseClick);
    connect(bCancel, &QPushButton::clicked, this, &TfSVPGraph::bCancelClick);
}

void TfSVPGraph::FormCreate() {
    PaintBox1->setAttribute(Qt::WA_OpaquePaintEvent);  // the paint covers the whole box
    StringGrid1->setHorizontalHeaderLabels({"Depth (m)", "SV (m/s)", "Hits"});
}

void TfSVPGraph::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TfSVPGraph::FormResize() {
    PlotWidth = PaintBox1->width();
    PlotHeight = PaintBox1->height();
    Repaint();
}

void TfSVPGraph::Repaint() { PaintBox1->update(); }

void TfSVPGraph::LoadPoints(const std::vector<std::string>& lines) {
    ReadPointLines(lines);
    FillGrid();
    Repaint();
}

void TfSVPGraph::StorePoints(std::vector<std::string>& lines) const { lines = PointLines(); }

void TfSVPGraph::PaintBox1DblClick() {
    ResetView();
    Repaint();
}

void TfSVPGraph::FormMouseWheel(int x, int y, int delta) {
    ZoomAt(x, y, delta);
    Repaint();
}

void TfSVPGraph::PaintBox1MouseDown(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton) return;
    const int hit = HitTest(x, y);
    if (hit >= 0) {
        Dragging = true;
        DragIndex = hit;
        PaintBox1->setCursor(Qt::SizeAllCursor);
    } else {
        Lasso = {{x, y}};
        Lassoing = true;
    }
    Repaint();
}

void TfSVPGraph::PaintBox1MouseMove(int x, int y) {
    if (Dragging && DragIndex >= 0) {
        if (DragTo(x)) {
            FillGrid();
            Repaint();
        }
    } else if (Lassoing) {
        ExtendLasso(x, y);
        Repaint();
    } else {
        PaintBox1->setCursor(HitTest(x, y) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    Label1->setText(Q("SV: " + FormatFixed(XToSV(x), 1) + " m/s  Depth: " +
                      FormatFixed(YToDepth(y), 1) + " m  (Drag point to edit SV)"));
}

void TfSVPGraph::PaintBox1MouseUp(Qt::MouseButton button, int, int) {
    if (button != Qt::LeftButton) return;
    if (Dragging) {
        Dragging = false;
        DragIndex = -1;
        PaintBox1->setCursor(Qt::ArrowCursor);
        ResetView();
    } else if (Lassoing) {
        Lassoing = false;
        if (Lasso.size() >= 3) ShowSelectedCount(SelectInLasso());
    }
    Repaint();
}

void TfSVPGraph::ShowSelectedCount(int count) {
    bDeleteSelected->setText(Q("Delete Selected (" + IntToStr(count) + ")"));
    bDeleteSelected->setEnabled(count > 0);
}

void TfSVPGraph::bDeleteSelectedClick() {
    DeleteSelected();
    ShowSelectedCount(0);
    FillGrid();
    Repaint();
}

void TfSVPGraph::bAddRowClick() {
    const TSVPPoint last = Points.empty() ? TSVPPoint{-1, 1500, 0, false} : Points.back();
    const int row = StringGrid1->rowCount();
    const QSignalBlocker quiet(StringGrid1);
    StringGrid1->insertRow(row);
    const std::string cells[] = {IntToStr(last.Depth + 1LL), FloatToStrF(last.SV, 10, 2), "0"};
    for (int column = 0; column < 3; ++column) {
        StringGrid1->setItem(row, column, new QTableWidgetItem(Q(cells[column])));
    }
    ReadGrid();
    Repaint();
}

// One data row always stays.
void TfSVPGraph::bDeleteRowClick() {
    const int row = StringGrid1->currentRow();
    if (row < 0 || row >= StringGrid1->rowCount()) return;
    if (StringGrid1->rowCount() > 1) StringGrid1->removeRow(row);
    ReadGrid();
    Repaint();
}

void TfSVPGraph::StringGrid1SetEditText(int row) {
    if (row < 0) return;
    ReadGrid();
    Repaint();
}

void TfSVPGraph::StringGrid1Click() {
    const int row = StringGrid1->currentRow();
    if (row < 0 || row >= static_cast<int>(Points.size())) return;
    for (std::size_t i = 0; i < Points.size(); ++i) {
        Points[i].Selected = static_cast<int>(i) == row;
    }
    Repaint();
}

void TfSVPGraph::bSaveAndCloseClick() {
    if (ReadGrid()) accept();
}

void TfSVPGraph::bCancelClick() { reject(); }

// Cells are written only where their text changes: a drag refills the grid on every move.
void TfSVPGraph::FillGrid() {
    const QSignalBlocker quiet(StringGrid1);
    StringGrid1->setRowCount(static_cast<int>(Points.size()));
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        const std::array<std::string, 3> cells = GridRow(Points[static_cast<std::size_t>(row)]);
        for (int column = 0; column < 3; ++column) {
            const QString text = Q(cells[static_cast<std::size_t>(column)]);
            QTableWidgetItem* item = StringGrid1->item(row, column);
            if (!item) {
                StringGrid1->setItem(row, column, new QTableWidgetItem(text));
            } else if (item->text() != text) {
                item->setText(text);
            }
        }
    }
}

bool TfSVPGraph::ReadGrid() {
    std::vector<std::array<std::string, 3>> rows(static_cast<std::size_t>(StringGrid1->rowCount()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < 3; ++column) {
            const QTableWidgetItem* item = StringGrid1->item(static_cast<int>(row), column);
            rows[row][static_cast<std::size_t>(column)] = item ? item->text().toStdString() : "";
        }
    }
    std::string error;
    std::optional<std::vector<TSVPPoint>> points = PointsOfGridRows(rows, error);
    if (!points) {
        ShowException(Q(error));
        return false;
    }
    Points = std::move(*points);
    ResetView();
    Modified = true;
    return true;
}
