// Mean longitudes from states through the dynamics' own conic elements.
// Method: the resonant angle lambda - lambda_p of Murray & Dermott (1999), Solar System Dynamics.
#include "coorbital/mean_longitude.h"

#include <cmath>
#include <numbers>

#include "dynamics/conic.h"

namespace coorbital {

double mean_longitude_deg(const dynamics::Vec3& x, const dynamics::Vec3& v, double mu) {
  dynamics::Conic conic;
  dynamics::conic_from_state(mu, 0.0, x, v, conic, 0.0);
  const double a = conic.q / (1.0 - conic.e);
  const double mean_anomaly = -std::sqrt(mu / (a * a * a)) * conic.tau;  // at t = 0
  const double lambda = (conic.node + conic.peri + mean_anomaly) * 180.0 / std::numbers::pi;
  const double wrapped = std::fmod(lambda, 360.0);
  return wrapped < 0.0 ? wrapped + 360.0 : wrapped;
}

double resonant_angle_deg(double lambda_deg, double lambda_planet_deg) {
  double phi = std::fmod(lambda_deg - lambda_planet_deg, 360.0);
  if (phi > 180.0) phi -= 360.0;
  if (phi <= -180.0) phi += 360.0;
  return phi;
}

}  // namespace coorbital
