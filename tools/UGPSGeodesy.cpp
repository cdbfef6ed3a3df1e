// The settings window's tab "Godetic Parameters": the local ellipsoid, the seven parameters from
// WGS 84 to the local datum, and the Transverse Mercator and Lambert conformal conic
// parameters with the choice between them. Angles are decimal degrees, rotations arc-seconds,
// shifts and false origins metres, the scale correction parts per million. edIF holds the
// flattening itself, not its inverse.

#include "tools/UGPS.h"

namespace {

constexpr int kEditHeight = 22;

TLabeledEdit* AddEdit(QWidget* parent, const char* name, const char* caption, int left, int top,
                      int width) {
    auto* edit = new TLabeledEdit(caption, parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, width, kEditHeight);
    return edit;
}

QCheckBox* AddBox(QWidget* parent, const char* name, const char* caption, const QPoint& at,
                  bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->move(at);
    box->adjustSize();
    box->setChecked(checked);
    return box;
}

QGroupBox* AddGroup(QWidget* parent, const char* caption, const QRect& bounds) {
    auto* group = new QGroupBox(caption, parent);
    group->setGeometry(bounds);
    return group;
}

}  // namespace

void TFGPS::CreateGeodeticTab() {
    QGroupBox* datum = AddGroup(ParametersTabSheet, "Datum", QRect(6, 4, 300, 362));
    QGroupBox* ellipsoid = AddGroup(datum, "Ellipsoid", QRect(8, 20, 284, 76));
    edSMA = AddEdit(ellipsoid, "edSMA", "Semi Major Axis", 10, 42, 126);
    edIF = AddEdit(ellipsoid, "edIF", "Flattening", 146, 42, 126);
    QGroupBox* shift =
        AddGroup(datum, "Transformation Parameters from WGS-84", QRect(8, 102, 284, 190));
    const struct {
        TLabeledEdit* TFGPS::*edit;
        const char* name;
        const char* caption;
    } parameters[] = {{&TFGPS::edRX, "edRX", "X Rotation"},    {&TFGPS::edRY, "edRY", "Y Rotation"},
                      {&TFGPS::edRZ, "edRZ", "Z Rotation"},    {&TFGPS::edSX, "edSX", "X Shift"},
                      {&TFGPS::edSY, "edSY", "Y Shift"},       {&TFGPS::edSZ, "edSZ", "Z Shift"},
                      {&TFGPS::edPPM, "edPPM", "Scale Factor"}};
    for (int i = 0; i < static_cast<int>(std::size(parameters)); ++i) {
        this->*parameters[i].edit = AddEdit(shift, parameters[i].name, parameters[i].caption,
                                            10 + 90 * (i % 3), 42 + 50 * (i / 3), 82);
    }
    cbUseDTP = AddBox(shift, "cbUseDTP", "Use DTP", QPoint(100, 143), true);
    cbUseDTP->setEnabled(false);
    edNameOfDatum = AddEdit(datum, "edNameOfDatum", "Name of Datum", 18, 322, 264);

    QGroupBox* tm = AddGroup(ParametersTabSheet, "TM Parameters", QRect(312, 4, 196, 362));
    edCM = AddEdit(tm, "edCM", "Central Meridian", 10, 42, 176);
    edRL = AddEdit(tm, "edRL", "Reference Latitude", 10, 92, 176);
    edSF = AddEdit(tm, "edSF", "Scale Factor", 10, 142, 176);
    edFE = AddEdit(tm, "edFE", "False Easting", 10, 192, 176);
    edFN = AddEdit(tm, "edFN", "False Northing", 10, 242, 176);
    cbUseTMProjection = AddBox(tm, "cbUseTMProjection", "Use Projection", QPoint(10, 280), true);

    QGroupBox* lcc = AddGroup(ParametersTabSheet, "LCC Parameters", QRect(514, 4, 212, 362));
    eLCCSP1 = AddEdit(lcc, "eLCCSP1", "Standard Parallel 1", 10, 42, 92);
    eLCCSP2 = AddEdit(lcc, "eLCCSP2", "Standard Parallel 2", 110, 42, 92);
    eLCCCP = AddEdit(lcc, "eLCCCP", "Central Parallel", 10, 92, 92);
    eLCCM = AddEdit(lcc, "eLCCM", "Central Meridian", 110, 92, 92);
    eLCCSF = AddEdit(lcc, "eLCCSF", "Scale Factor", 10, 142, 92);
    eLCCFE = AddEdit(lcc, "eLCCFE", "False Easting", 10, 192, 92);
    eLCCFN = AddEdit(lcc, "eLCCFN", "False Norhing", 110, 192, 92);
    cbUseLCCProjection =
        AddBox(lcc, "cbUseLCCProjection", "Use Projection", QPoint(10, 230), false);
    cLambert1 = AddBox(lcc, "cLambert1", "Use Lambert 1", QPoint(10, 258), false);

    // Setting a box from the settings file runs its handler as a click does.
    connect(cbUseTMProjection, &QCheckBox::toggled, this, &TFGPS::cbUseTMProjectionClick);
    connect(cbUseLCCProjection, &QCheckBox::toggled, this, &TFGPS::cbUseLCCProjectionClick);
    connect(cLambert1, &QCheckBox::toggled, this, &TFGPS::cLambert1Click);
}

void TFGPS::cbUseTMProjectionClick() {
    cbUseLCCProjection->setChecked(!cbUseTMProjection->isChecked());
}

void TFGPS::cbUseLCCProjectionClick() {
    cbUseTMProjection->setChecked(!cbUseLCCProjection->isChecked());
}

void TFGPS::cLambert1Click() {
    eLCCSP1->setEnabled(!cLambert1->isChecked());
    eLCCSP2->setEnabled(!cLambert1->isChecked());
}
