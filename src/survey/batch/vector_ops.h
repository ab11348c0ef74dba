// The calls the rules of the step (dynamics/drift_rules.h, dynamics/encounter_zone.h) need
// beyond arithmetic and comparisons, for a vector of lanes: the counterpart of
// dynamics::ScalarOps, so that one template body decides a body on the scalar path and
// every lane of a batch. Included once for every vector extension the including file is
// compiled for (after hwy/highway.h, and hence the toggled guard instead of #pragma once).
#if defined(SKYTRAK_SURVEY_BATCH_VECTOR_OPS_H_) == defined(HWY_TARGET_TOGGLE)  // NOLINT
#ifdef SKYTRAK_SURVEY_BATCH_VECTOR_OPS_H_
#undef SKYTRAK_SURVEY_BATCH_VECTOR_OPS_H_
#else
#define SKYTRAK_SURVEY_BATCH_VECTOR_OPS_H_
#endif

#include <hwy/highway.h>

HWY_BEFORE_NAMESPACE();
namespace survey {
namespace HWY_NAMESPACE {

// The rules' calls on vectors of the tag D.
template <class D>
struct VectorOps {
  using V = hwy::HWY_NAMESPACE::Vec<D>;
  using M = hwy::HWY_NAMESPACE::Mask<D>;
  D d;

  V lift(double x) const { return hwy::HWY_NAMESPACE::Set(d, x); }
  M both(M a, M b) const { return hwy::HWY_NAMESPACE::And(a, b); }
  M either(M a, M b) const { return hwy::HWY_NAMESPACE::Or(a, b); }
  V abs(V x) const { return hwy::HWY_NAMESPACE::Abs(x); }
};

}  // namespace HWY_NAMESPACE
}  // namespace survey
HWY_AFTER_NAMESPACE();

#endif  // the toggled guard
