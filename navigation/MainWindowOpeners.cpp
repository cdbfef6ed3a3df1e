// The main window's commands that open the tool windows.

#include "navigation/unavigation.h"
#include "tools/UShape.h"
#include "tools/unavset.h"

namespace {

// Shows the window, when it exists, in front of the others.
void ShowInFront(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void TFNav::BindWindowOpeners() {
    connect(NavigationSettings1, &QAction::triggered, this, &TFNav::NavigationSettings1Click);
    connect(VesselShape1, &QAction::triggered, this, &TFNav::VesselShape1Click);
}

void TFNav::NavigationSettings1Click() { ShowInFront(Navset); }

void TFNav::VesselShape1Click() { ShowInFront(FShape); }
