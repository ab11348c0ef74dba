// The MPI plug-in (see mpi_plugin.h).
#include "survey/mpi_plugin.h"

#include <mpi.h>

#include <vector>

namespace survey {
namespace {

class MpiLink : public RankLink {
 public:
  MpiLink() {
    MPI_Init(nullptr, nullptr);
    MPI_Comm_rank(MPI_COMM_WORLD, &rank_);
    MPI_Comm_size(MPI_COMM_WORLD, &size_);
  }
  ~MpiLink() override { MPI_Finalize(); }
  MpiLink(const MpiLink&) = delete;
  MpiLink& operator=(const MpiLink&) = delete;

  int rank() const override { return rank_; }
  int size() const override { return size_; }

  std::string gather(const std::string& bytes) const override {
    const int length = static_cast<int>(bytes.size());
    std::vector<int> lengths(static_cast<size_t>(size_));
    MPI_Gather(&length, 1, MPI_INT, lengths.data(), 1, MPI_INT, 0, MPI_COMM_WORLD);
    std::vector<int> offsets(static_cast<size_t>(size_), 0);
    for (size_t r = 1; r < offsets.size(); ++r) offsets[r] = offsets[r - 1] + lengths[r - 1];
    std::string all(rank_ == 0 ? static_cast<size_t>(offsets.back() + lengths.back()) : 0, '\0');
    MPI_Gatherv(bytes.data(), length, MPI_CHAR, all.data(), lengths.data(), offsets.data(), MPI_CHAR, 0,
                MPI_COMM_WORLD);
    return all;
  }

  void sum(const long values[2], long totals[2]) const override {
    totals[0] = totals[1] = 0;
    MPI_Reduce(values, totals, 2, MPI_LONG, MPI_SUM, 0, MPI_COMM_WORLD);
  }

 private:
  int rank_ = 0;
  int size_ = 1;
};

}  // namespace
}  // namespace survey

extern "C" survey::RankLink* skytrak3d_new_mpi_link() { return new survey::MpiLink(); }
