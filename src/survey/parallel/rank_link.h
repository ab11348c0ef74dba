// What a survey needs from MPI, behind one small interface: the MPI plug-in
// (skytrak3d-mpi.so, see mpi_plugin.h) implements it, so that a plain run loads no MPI.
#pragma once

#include <string>

namespace survey {

class RankLink {
 public:
  virtual ~RankLink() = default;

  virtual int rank() const = 0;
  virtual int size() const = 0;
  // Rank 0 gets every rank's bytes one after the other, in rank order; the other
  // ranks get nothing back.
  virtual std::string gather(const std::string& bytes) const = 0;
  // Rank 0 gets the sums over the ranks of the two numbers; the others get zeros.
  virtual void sum(const long values[2], long totals[2]) const = 0;
  // Ends every rank of the launch with this exit status; does not return.
  [[noreturn]] virtual void abandon(int status) const = 0;
};

}  // namespace survey
