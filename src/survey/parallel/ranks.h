// The processes of a survey: one alone, or the ranks of an MPI launch. The catalogue's
// lines are shared in blocks: rank r takes the r-th block and every size-th after it;
// rank 0 gathers the rows and the counts.
#pragma once

#include <memory>

#include "survey/parallel/rank_link.h"
#include "survey/parallel/threaded_survey.h"

namespace survey {

// Lines of the catalogue in a block of the ranks' shares: small enough that the ranks'
// shares stay even on a short catalogue, large enough that a rank reads long runs.
inline constexpr long kLinesPerShareBlock = 64;

class SurveyRanks {
 public:
  // The ranks of an MPI launch through `link` (see mpi_loader.h); without a link, one
  // rank alone.
  explicit SurveyRanks(std::unique_ptr<RankLink> link);

  int rank() const { return link_ ? link_->rank() : 0; }
  int size() const { return link_ ? link_->size() : 1; }

  // Whether the record on this line of the catalogue (numbered from 1) is this rank's.
  bool owns_line(long line_number) const;

  // Rank 0 receives every rank's rows (sorted together) and the summed counts; the
  // other ranks get their own result back unchanged.
  SurveyResult gather(SurveyResult mine) const;

  // Ends every rank with this exit status, for a failure that only this rank met; alone,
  // does nothing.
  void abandon(int status) const;

 private:
  std::unique_ptr<RankLink> link_;
};

}  // namespace survey
