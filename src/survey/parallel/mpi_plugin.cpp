// The MPI plug-in (see mpi_plugin.h).
#include "survey/parallel/mpi_plugin.h"

#include <mpi.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace survey {
namespace {

// When every rank runs on this machine, they talk through shared memory. Open MPI would
// first probe for a cluster's network fabrics, which cost each rank 16 ms of CPU on the
// build machine (a tenth of a short survey's share), so the shared-memory path is taken
// straight away, unless the user chose a transport.
void prefer_shared_memory_on_one_machine() {
  const char* here = std::getenv("OMPI_COMM_WORLD_LOCAL_SIZE");
  const char* all = std::getenv("OMPI_COMM_WORLD_SIZE");
  if (here == nullptr || all == nullptr || std::strcmp(here, all) != 0) return;
  if (std::getenv("OMPI_MCA_pml") != nullptr || std::getenv("OMPI_MCA_mtl") != nullptr) return;
  setenv("OMPI_MCA_pml", "ob1", 0);
}

class MpiLink : public RankLink {
 public:
  MpiLink() {
    prefer_shared_memory_on_one_machine();
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
    wait_for_every_rank();
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

  [[noreturn]] void abandon(int status) const override {
    MPI_Abort(MPI_COMM_WORLD, status);
    std::_Exit(status);  // MPI_Abort does not return; should it, this rank still ends
  }

 private:
  // A rank that finishes its share early would otherwise spin inside the collective
  // until the last one arrives, taking a core from a rank that still works. It sleeps
  // in short naps instead; a millisecond late at the end costs nothing.
  static void wait_for_every_rank() {
    MPI_Request arrived;
    MPI_Ibarrier(MPI_COMM_WORLD, &arrived);
    int done = 0;
    MPI_Test(&arrived, &done, MPI_STATUS_IGNORE);
    while (!done) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      MPI_Test(&arrived, &done, MPI_STATUS_IGNORE);
    }
  }

  int rank_ = 0;
  int size_ = 1;
};

}  // namespace
}  // namespace survey

extern "C" survey::RankLink* skytrak3d_new_mpi_link() { return new survey::MpiLink(); }
