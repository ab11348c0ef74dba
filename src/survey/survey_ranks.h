// The processes of a survey: one alone, or the ranks of an MPI launch. Rank r takes every
// size-th object from the r-th; rank 0 gathers the rows and the counts.
#pragma once

#include <memory>
#include <vector>

#include "survey/rank_link.h"
#include "survey/survey_run.h"

namespace survey {

class SurveyRanks {
 public:
  // The ranks of an MPI launch through `link` (see mpi_loader.h); without a link, one
  // rank alone.
  explicit SurveyRanks(std::unique_ptr<RankLink> link);

  int rank() const { return link_ ? link_->rank() : 0; }
  int size() const { return link_ ? link_->size() : 1; }

  // This rank's share of `count` objects.
  std::vector<size_t> share(size_t count) const;

  // Rank 0 receives every rank's rows (sorted together) and the summed counts; the
  // other ranks get their own result back unchanged.
  SurveyResult gather(SurveyResult mine) const;

 private:
  std::unique_ptr<RankLink> link_;
};

}  // namespace survey
