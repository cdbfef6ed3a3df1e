#include "tests/geodesy/ProjPeer.h"

#include <gtest/gtest.h>

TProjPeer::TProjPeer(const std::string& definition)
    : context_(proj_context_create()), operation_(proj_create(context_, definition.c_str())) {
    if (!operation_) {
        ADD_FAILURE() << "PROJ rejects \"" << definition << "\": "
                      << proj_context_errno_string(context_, proj_context_errno(context_));
    }
}

TProjPeer::~TProjPeer() {
    if (operation_) proj_destroy(operation_);
    proj_context_destroy(context_);
}

PJ_COORD TProjPeer::Forward(double x, double y, double z) const {
    if (!operation_) return proj_coord(HUGE_VAL, HUGE_VAL, HUGE_VAL, 0);
    return proj_trans(operation_, PJ_FWD, proj_coord(x, y, z, 0));
}

PJ_COORD TProjPeer::Inverse(double x, double y, double z) const {
    if (!operation_) return proj_coord(HUGE_VAL, HUGE_VAL, HUGE_VAL, 0);
    return proj_trans(operation_, PJ_INV, proj_coord(x, y, z, 0));
}

PJ_FACTORS TProjPeer::Factors(double latitudeDeg, double longitudeDeg) const {
    if (!operation_) return PJ_FACTORS{};
    return proj_factors(operation_,
                        proj_coord(proj_torad(longitudeDeg), proj_torad(latitudeDeg), 0, 0));
}
