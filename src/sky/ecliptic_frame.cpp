// The equatorial-to-ecliptic rotation of J2000 by ERFA's rotation routines.
#include "sky/ecliptic_frame.h"

#include <erfa.h>
#include <erfam.h>

namespace sky {
namespace {

struct Rotation {
  double r[3][3];
};

Rotation equator_to_ecliptic_matrix() {
  Rotation m{};
  eraIr(m.r);
  eraRx(kObliquityJ2000Arcsec * ERFA_DAS2R, m.r);
  return m;
}

// Built once; handed out by copy because ERFA takes its matrices as non-const.
Rotation rotation() {
  static const Rotation m = equator_to_ecliptic_matrix();
  return m;
}

// A vector through one of ERFA's matrix-vector routines (eraRxp: the matrix, eraTrxp: its
// transpose) with the turn's matrix.
using MatrixTimesVector = void (*)(double[3][3], double[3], double[3]);
dynamics::Vec3 turned(MatrixTimesVector apply, const dynamics::Vec3& v) {
  double p[3] = {v[0], v[1], v[2]};
  double out[3];
  Rotation m = rotation();
  apply(m.r, p, out);
  return {out[0], out[1], out[2]};
}

}  // namespace

dynamics::Vec3 equatorial_to_ecliptic(const dynamics::Vec3& equatorial) { return turned(eraRxp, equatorial); }

dynamics::Vec3 ecliptic_to_equatorial(const dynamics::Vec3& ecliptic) { return turned(eraTrxp, ecliptic); }

}  // namespace sky
