// Hand entry of elements, epoch and name.
#include "app/catalogue_hand_entry.h"

#include "dynamics/orbital_elements.h"

namespace app {

namespace {

constexpr const char* kAsk_a = "a? (in au)";
constexpr const char* kAsk_e = "e? (0<e<1)";
constexpr const char* kAsk_i = "i? (0<i<180)";
constexpr const char* kAskNode = "long node? (0<ln<360)";
constexpr const char* kAskPeri = "arg perh? (0<w<360)";
constexpr const char* kAskM = "mean anomaly? (0<M<360)";
constexpr const char* kAskEpoch = "epoch? (if you ignore it you can put 2450000 for ex.)";
constexpr const char* kBadEpoch = "SORRY, I DON'T LIKE THAT EPOCH";
constexpr const char* kAskName = "NAME?";

void ask(Console& console, const char* question, double& value) {
  console.line({question});
  console.read(question, {&value});
}

}  // namespace

void enter_elements_by_hand(Console& console, RunState& state) {
  dynamics::OrbitalElements& el = state.elements;
  ask(console, kAsk_a, el.a);
  do {
    ask(console, kAsk_e, el.e);
  } while (!dynamics::eccentricity_accepted(el.e));
  ask(console, kAsk_i, el.i);
  ask(console, kAskNode, el.node);
  ask(console, kAskPeri, el.peri);
  ask(console, kAskM, el.m);
  for (;;) {
    ask(console, kAskEpoch, state.blocks.epoch_jd);
    if (dynamics::epoch_accepted(state.blocks.epoch_jd)) break;
    console.line({kBadEpoch});
  }
  std::string name = state.name28;  // a slash answer keeps it
  console.line({kAskName});
  console.read(kAskName, {&name});
  name.resize(catalogue::kName28Width, ' ');
  state.name28 = name;
  state.name7 = name.substr(0, catalogue::kDesignationWidth);
}

}  // namespace app
