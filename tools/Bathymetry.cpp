#include "tools/Bathymetry.h"

TOffsets* Offsets = nullptr;

namespace {

QLineEdit* AddNumberEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

}  // namespace

TOffsets::TOffsets(QWidget* parent)
    : QWidget(parent, Qt::Window),
      OffsetA(AddNumberEdit(this, "OffsetA")),
      SV(AddNumberEdit(this, "SV")),
      OffsetC(AddNumberEdit(this, "OffsetC")),
      TideHt(AddNumberEdit(this, "TideHt")) {
    setObjectName("Offsets");
    setWindowTitle("Offsets Essential for Post Processing / Recovery");
}
