#include "tests/navigation/KmlTestSupport.h"

#include "canvas/CanvasModel.h"
#include "tests/support/TestEnvironment.h"
#include "tools/UGPS.h"

#include <cstdio>

namespace {

const char* const kEd50Datum[] = {"6378388", "0.0033670033670034", "-1.5",    "0.8", "0.3", "-0.6",
                                  "-84.003", "-102.315",           "-129.879"};

std::string Number(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

}  // namespace

TGeodeticTexts Ed50Texts(const std::string& centralMeridian) {
    TGeodeticTexts t;
    std::string* datum[] = {&t.semiMajorAxis, &t.flattening, &t.scalePpm,
                            &t.rotationX,     &t.rotationY,  &t.rotationZ,
                            &t.shiftX,        &t.shiftY,     &t.shiftZ};
    for (int i = 0; i < 9; ++i) *datum[i] = kEd50Datum[i];
    t.tmCentralMeridian = centralMeridian;
    t.tmReferenceLatitude = "0";
    t.tmScaleFactor = "1";
    t.tmFalseEasting = "500000";
    t.tmFalseNorthing = "0";
    return t;
}

void SetEd50Settings(TFGPS& s, const std::string& centralMeridian) {
    const TGeodeticTexts t = Ed50Texts(centralMeridian);
    const std::pair<TLabeledEdit*, const std::string*> edits[] = {{s.edSMA, &t.semiMajorAxis},
                                                                  {s.edIF, &t.flattening},
                                                                  {s.edPPM, &t.scalePpm},
                                                                  {s.edRX, &t.rotationX},
                                                                  {s.edRY, &t.rotationY},
                                                                  {s.edRZ, &t.rotationZ},
                                                                  {s.edSX, &t.shiftX},
                                                                  {s.edSY, &t.shiftY},
                                                                  {s.edSZ, &t.shiftZ},
                                                                  {s.edCM, &t.tmCentralMeridian},
                                                                  {s.edRL, &t.tmReferenceLatitude},
                                                                  {s.edSF, &t.tmScaleFactor},
                                                                  {s.edFE, &t.tmFalseEasting},
                                                                  {s.edFN, &t.tmFalseNorthing}};
    for (const auto& [edit, text] : edits) edit->setText(QString::fromStdString(*text));
    s.cbUseLCCProjection->setChecked(false);
}

std::string Ed50GridPipeline(const std::string& centralMeridian) {
    return "+proj=pipeline +step +proj=cart +ellps=WGS84 "
           "+step +inv +proj=helmert +convention=coordinate_frame +exact +s=-1.5 +rx=0.8 "
           "+ry=0.3 +rz=-0.6 +x=-84.003 +y=-102.315 +z=-129.879 "
           "+step +inv +proj=cart +ellps=intl "
           "+step +proj=tmerc +lon_0=" +
           centralMeridian + " +k_0=1 +x_0=500000 +ellps=intl";
}

TPeerRun RunZipPeer(const QStringList& arguments) {
    return RunPeer("/usr/bin/python3",
                   QStringList{QBY_SOURCE_DIR "/tests/navigation/zip_peer.py"} + arguments);
}

std::string MapSnapshot(const TCanvasModel& map) {
    std::string text;
    for (const auto& layer : map.Layers()) {
        text += "layer " + std::to_string(layer->Id) + " " + layer->Name.toStdString() + " tag " +
                std::to_string(layer->Tag) + (layer->Visible ? "" : " hidden") + "\n";
    }
    for (const auto& shape : map.Shapes()) {
        text += "shape " + std::to_string(shape->Id) + " layer " + std::to_string(shape->LayerId) +
                " kind " + std::to_string(shape->ShapeType) + " " + Number(shape->MinX) + " " +
                Number(shape->MinY) + " " + Number(shape->MaxX) + " " + Number(shape->MaxY) + "\n";
    }
    return text + "view " + Number(map.ViewLeft) + " " + Number(map.ViewTop) + " " +
           Number(map.ViewRight) + " " + Number(map.ViewBottom) + " current layer " +
           std::to_string(map.CurrentLayer) + " next shape " + std::to_string(map.NextShapeId()) +
           "\n";
}

std::string RealKml(const std::string& name) {
    const std::string folder = RealDataFolder();
    return folder.empty() ? std::string() : folder + "kml/" + name;
}
