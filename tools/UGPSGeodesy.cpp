// The settings window's tab "Godetic Parameters": the local ellipsoid, the seven parameters from
// WGS 84 to the local datum, and the Transverse Mercator and Lambert conformal conic
// parameters with the choice between them. Angles are decimal degrees, rotations arc-seconds,
// shifts and false origins metres, the scale correction parts per million. edIF holds the
// flattening itself, not its inverse.

#include "tools/SettingsTabWidgets.h"
#include "tools/UGPS.h"

namespace {

// The ellipsoid, the seven parameters from WGS 84 and the datum's name.
void CreateDatumGroup(TFGPS& w, QWidget* tab) {
    QGroupBox* datum = AddGroup(tab, "Datum", QRect(6, 4, 300, 362));
    QGroupBox* ellipsoid = AddGroup(datum, "Ellipsoid", QRect(8, 20, 284, 76));
    w.edSMA = AddEdit(ellipsoid, "edSMA", "Semi Major Axis", 10, 42, 126);
    w.edIF = AddEdit(ellipsoid, "edIF", "Flattening", 146, 42, 126);
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
        w.*parameters[i].edit = AddEdit(shift, parameters[i].name, parameters[i].caption,
                                        10 + 90 * (i % 3), 42 + 50 * (i / 3), 82);
    }
    w.cbUseDTP = AddBox(shift, "cbUseDTP", "Use DTP", QPoint(100, 143), true);
    w.cbUseDTP->setEnabled(false);
    w.edNameOfDatum = AddEdit(datum, "edNameOfDatum", "Name of Datum", 18, 322, 264);
}

void CreateTmGroup(TFGPS& w, QWidget* tab) {
    QGroupBox* tm = AddGroup(tab, "TM Parameters", QRect(312, 4, 196, 362));
    w.edCM = AddEdit(tm, "edCM", "Central Meridian", 10, 42, 176);
    w.edRL = AddEdit(tm, "edRL", "Reference Latitude", 10, 92, 176);
    w.edSF = AddEdit(tm, "edSF", "Scale Factor", 10, 142, 176);
    w.edFE = AddEdit(tm, "edFE", "False Easting", 10, 192, 176);
    w.edFN = AddEdit(tm, "edFN", "False Northing", 10, 242, 176);
    w.cbUseTMProjection = AddBox(tm, "cbUseTMProjection", "Use Projection", QPoint(10, 280), true);
}

void CreateLccGroup(TFGPS& w, QWidget* tab) {
    QGroupBox* lcc = AddGroup(tab, "LCC Parameters", QRect(514, 4, 212, 362));
    w.eLCCSP1 = AddEdit(lcc, "eLCCSP1", "Standard Parallel 1", 10, 42, 192);
    w.eLCCSP2 = AddEdit(lcc, "eLCCSP2", "Standard Parallel 2", 10, 88, 192);
    w.eLCCCP = AddEdit(lcc, "eLCCCP", "Central Parallel", 10, 134, 92);
    w.eLCCM = AddEdit(lcc, "eLCCM", "Central Meridian", 110, 134, 92);
    w.eLCCSF = AddEdit(lcc, "eLCCSF", "Scale Factor", 10, 180, 92);
    w.eLCCFE = AddEdit(lcc, "eLCCFE", "False Easting", 10, 226, 92);
    w.eLCCFN = AddEdit(lcc, "eLCCFN", "False Norhing", 110, 226, 92);
    w.cbUseLCCProjection =
        AddBox(lcc, "cbUseLCCProjection", "Use Projection", QPoint(10, 262), false);
    w.cLambert1 = AddBox(lcc, "cLambert1", "Use Lambert 1", QPoint(10, 288), false);
    w.lNextStartNote = new QLabel("Changes take effect at the next Start", lcc);
    w.lNextStartNote->setObjectName("lNextStartNote");
    w.lNextStartNote->setGeometry(10, 316, 192, 40);
    w.lNextStartNote->setWordWrap(true);
    QFont bold = w.lNextStartNote->font();
    bold.setBold(true);
    w.lNextStartNote->setFont(bold);
    w.lNextStartNote->hide();
}

}  // namespace

void TFGPS::CreateGeodeticTab() {
    CreateDatumGroup(*this, ParametersTabSheet);
    CreateTmGroup(*this, ParametersTabSheet);
    CreateLccGroup(*this, ParametersTabSheet);
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
