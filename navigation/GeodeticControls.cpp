#include "navigation/GeodeticControls.h"

#include "navigation/Wgs84Conversions.h"
#include "tools/UGPS.h"

namespace {

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

TGeodeticTexts GeodeticTexts() {
    const TFGPS& s = *FGPS;
    return {Text(s.edSMA),   Text(s.edIF),   Text(s.edPPM), Text(s.edRX),   Text(s.edRY),
            Text(s.edRZ),    Text(s.edSX),   Text(s.edSY),  Text(s.edSZ),   Text(s.edCM),
            Text(s.edRL),    Text(s.edSF),   Text(s.edFE),  Text(s.edFN),   Text(s.eLCCSP1),
            Text(s.eLCCSP2), Text(s.eLCCCP), Text(s.eLCCM), Text(s.eLCCSF), Text(s.eLCCFE),
            Text(s.eLCCFN)};
}

TProjectionKind ProjectionKind() {
    if (!FGPS->cbUseLCCProjection->isChecked()) return TProjectionKind::TransverseMercator;
    return FGPS->cLambert1->isChecked() ? TProjectionKind::Lambert1 : TProjectionKind::Lambert2;
}

std::string KmlGeodesyRefusal(const std::string& datumMessage) {
    if (!FGPS) return datumMessage;
    switch (KmlGeodesyState(ProjectionKind(), GeodeticTexts())) {
        case TKmlGeodesy::Lambert:
            return "KML/KMZ needs the Transverse Mercator projection; the map uses Lambert "
                   "(GPS Settings).";
        case TKmlGeodesy::DatumMissing:
            return datumMessage;
        case TKmlGeodesy::Usable:
            break;
    }
    return {};
}
