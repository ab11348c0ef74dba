// Why the step took a body out of the run.
#pragma once

namespace dynamics {

enum class RemovalReason {
  none,       // still in the run
  sun,        // fell into the Sun (or an orbit too small to follow)
  ejection,   // unbound, or beyond the ejection limits
  collision,  // its encounter's pericentre lay inside a planet
};

}  // namespace dynamics
