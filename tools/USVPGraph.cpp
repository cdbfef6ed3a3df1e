#include "tools/USVPGraph.h"

TfSVPGraph* fSVPGraph = nullptr;

TfSVPGraph::TfSVPGraph(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fSVPGraph");
    setWindowTitle("SVP Profile Graph - Drag Points or Lasso Select");
}
