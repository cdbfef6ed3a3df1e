#include "app/uTheme.h"

TfTheme* fTheme = nullptr;

TfTheme::TfTheme(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fTheme");
    setWindowTitle("Theme Selection");
}
