// The processes of a survey: one alone, or the ranks of an MPI launch. Rank r takes every
// size-th object from the r-th; rank 0 gathers the rows and the counts.
#pragma once

#include <vector>

#include "survey/survey_run.h"

namespace survey {

class SurveyRanks {
 public:
  // Joins MPI when the program was started by mpirun and MPI is built in; otherwise one
  // rank alone.
  SurveyRanks();
  ~SurveyRanks();
  SurveyRanks(const SurveyRanks&) = delete;
  SurveyRanks& operator=(const SurveyRanks&) = delete;

  int rank() const { return rank_; }
  int size() const { return size_; }

  // This rank's share of `count` objects.
  std::vector<size_t> share(size_t count) const;

  // Rank 0 receives every rank's rows (sorted together) and the summed counts; the
  // other ranks get their own result back unchanged.
  SurveyResult gather(SurveyResult mine) const;

 private:
  int rank_ = 0;
  int size_ = 1;
  bool joined_ = false;
};

}  // namespace survey
