#include "navigation/uCanvas.h"

TfWaterfal* fWaterfal = nullptr;

TfWaterfal::TfWaterfal(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fWaterfal");
    setWindowTitle("Acoustic Waterfall");
}
