#include "app/About.h"

TformAbout* formAbout = nullptr;

TformAbout::TformAbout(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("formAbout");
    setWindowTitle("About Quellbay");
}
