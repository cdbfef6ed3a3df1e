#include "geodesy/Lambert.h"

#include "geodesy/Angles.h"

#include <tuple>

namespace {

TLambertConformalConic& OneParallel() {
    static TLambertConformalConic state{TLccOneParallel{}};
    return state;
}

struct TTwoParallelState {
    TLccTwoParallels input;
    TLambertConformalConic equivalent;
};

TLambertConformalConic EquivalentOf(const TLccTwoParallels& set) {
    TLccOneParallel one;
    EquivalentOneParallel(set, one);
    return TLambertConformalConic(one);
}

TTwoParallelState& TwoParallels() {
    static TTwoParallelState state{TLccTwoParallels{}, EquivalentOf(TLccTwoParallels{})};
    return state;
}

}  // namespace

double Lcc1SPSetParameters(double a, double f, double originLatitude, double centralMeridian,
                           double falseEasting, double falseNorthing, double scaleFactor) {
    const TLambertConformalConic candidate(
        {a, f, originLatitude, centralMeridian, falseEasting, falseNorthing, scaleFactor});
    if (!candidate.IsValid()) return 0;
    OneParallel() = candidate;
    return candidate.ConeConstant();
}

void Lcc1SPGetParameters(double& a, double& f, double& originLatitude, double& centralMeridian,
                         double& falseEasting, double& falseNorthing, double& scaleFactor) {
    const TLccOneParallel& p = OneParallel().Parameters();
    std::tie(a, f, originLatitude, centralMeridian, falseEasting, falseNorthing, scaleFactor) =
        std::tie(p.a, p.f, p.originLatitude, p.centralMeridian, p.falseEasting, p.falseNorthing,
                 p.scaleFactor);
}

int Lcc1SPForward(double latitude, double longitude, double& easting, double& northing) {
    return OneParallel().Forward(latitude, longitude, easting, northing);
}

int Lcc1SPInverse(double easting, double northing, double& latitude, double& longitude) {
    return OneParallel().Inverse(easting, northing, latitude, longitude);
}

double Lcc2SPSetParameters(double a, double f, double originLatitude, double centralMeridian,
                           double standardParallel1, double standardParallel2, double falseEasting,
                           double falseNorthing) {
    TLccTwoParallels set{a,
                         f,
                         originLatitude,
                         centralMeridian,
                         standardParallel1,
                         standardParallel2,
                         falseEasting,
                         falseNorthing};
    TLccOneParallel one;
    if (!EquivalentOneParallel(set, one)) return 0;
    if (set.centralMeridian > Angles::kPi) set.centralMeridian -= Angles::kTwoPi;
    TwoParallels() = {set, TLambertConformalConic(one)};
    OneParallel() = TwoParallels().equivalent;
    return OneParallel().ConeConstant();
}

void Lcc2SPGetParameters(double& a, double& f, double& originLatitude, double& centralMeridian,
                         double& standardParallel1, double& standardParallel2, double& falseEasting,
                         double& falseNorthing) {
    const TLccTwoParallels& p = TwoParallels().input;
    std::tie(a, f, originLatitude, centralMeridian, standardParallel1, standardParallel2,
             falseEasting, falseNorthing) =
        std::tie(p.a, p.f, p.originLatitude, p.centralMeridian, p.standardParallel1,
                 p.standardParallel2, p.falseEasting, p.falseNorthing);
}

int Lcc2SPForward(double latitude, double longitude, double& easting, double& northing) {
    OneParallel() = TwoParallels().equivalent;
    return OneParallel().Forward(latitude, longitude, easting, northing);
}

int Lcc2SPInverse(double easting, double northing, double& latitude, double& longitude) {
    OneParallel() = TwoParallels().equivalent;
    return OneParallel().Inverse(easting, northing, latitude, longitude);
}
