// The settings that judge a resonant angle; docs/coorbital.md gives how each was measured.
#pragma once

namespace coorbital {

struct Thresholds {
  int sample_steps = 20;                    // one sample of phi every 20 steps of 0.005 yr: 0.1 yr
  double smoothing_yr = 1.0;                // phi is averaged over this window, centred
  double reversal_deg = 5.0;                // a turning point needs phi to come back this far
  double shortest_pair_yr = 10.0;           // two turning points closer than this are a stall, dropped
  double crossing_margin_deg = 2.0;         // phi must pass 0 or 180 by this much to cross it
  double horseshoe_overshoot_deg = 30.0;    // a horseshoe may pass the planet's longitude by this much
  double trojan_edge_deg = 60.0;            // a horseshoe takes in both +60 and -60
  double quasi_satellite_reach_deg = 30.0;  // a swing about a middle this near 0 is a quasi-satellite's
  double unturned_width_deg = 90.0;         // without a turning point, a wider range is a drift: passing
};

}  // namespace coorbital
