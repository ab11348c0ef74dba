// Splitting a survey over MPI ranks, and gathering its table on rank 0.
#include "survey/survey_ranks.h"

#include <cstdlib>
#include <cstring>
#include <string>

#ifdef SKYTRAK_HAVE_MPI
#include <mpi.h>
#endif

namespace survey {
namespace {

#ifdef SKYTRAK_HAVE_MPI
// Set by Open MPI's launcher (and by the process managers of other MPI libraries).
bool started_by_mpirun() {
  return std::getenv("OMPI_COMM_WORLD_SIZE") != nullptr || std::getenv("PMI_SIZE") != nullptr;
}

// Rows travel as bytes: the numbers bit for bit, the texts ended by a zero byte, so the
// merged table is the one a single process would write.
void put_text(std::string& bytes, const std::string& text) {
  bytes += text;
  bytes += '\0';
}

template <typename T>
void put_number(std::string& bytes, T value) {
  char raw[sizeof(T)];
  std::memcpy(raw, &value, sizeof(T));
  bytes.append(raw, sizeof(T));
}

std::string encode(const std::vector<SurveyRow>& rows) {
  std::string bytes;
  for (const SurveyRow& row : rows) {
    put_text(bytes, row.designation);
    put_text(bytes, row.packed);
    put_number(bytes, row.planet);
    put_number(bytes, row.jd);
    put_number(bytes, row.distance);
    put_number(bytes, row.speed_kms);
    put_number(bytes, static_cast<int>(row.event));
  }
  return bytes;
}

struct Reader {
  const char* at;
  std::string text() {
    std::string value(at);
    at += value.size() + 1;
    return value;
  }
  template <typename T>
  T number() {
    T value;
    std::memcpy(&value, at, sizeof(T));
    at += sizeof(T);
    return value;
  }
};

void decode(const char* begin, const char* end, std::vector<SurveyRow>& rows) {
  Reader in{begin};
  while (in.at < end) {
    SurveyRow row;
    row.designation = in.text();
    row.packed = in.text();
    row.planet = in.number<int>();
    row.jd = in.number<double>();
    row.distance = in.number<double>();
    row.speed_kms = in.number<double>();
    row.event = static_cast<EventKind>(in.number<int>());
    rows.push_back(std::move(row));
  }
}
#endif

}  // namespace

SurveyRanks::SurveyRanks() {
#ifdef SKYTRAK_HAVE_MPI
  if (!started_by_mpirun()) return;
  MPI_Init(nullptr, nullptr);
  joined_ = true;
  MPI_Comm_rank(MPI_COMM_WORLD, &rank_);
  MPI_Comm_size(MPI_COMM_WORLD, &size_);
#endif
}

SurveyRanks::~SurveyRanks() {
#ifdef SKYTRAK_HAVE_MPI
  if (joined_) MPI_Finalize();
#endif
}

std::vector<size_t> SurveyRanks::share(size_t count) const {
  std::vector<size_t> mine;
  for (size_t i = static_cast<size_t>(rank_); i < count; i += static_cast<size_t>(size_)) mine.push_back(i);
  return mine;
}

SurveyResult SurveyRanks::gather(SurveyResult mine) const {
#ifdef SKYTRAK_HAVE_MPI
  if (!joined_) return mine;
  const std::string bytes = encode(mine.rows);
  const int length = static_cast<int>(bytes.size());
  std::vector<int> lengths(static_cast<size_t>(size_));
  MPI_Gather(&length, 1, MPI_INT, lengths.data(), 1, MPI_INT, 0, MPI_COMM_WORLD);
  std::vector<int> offsets(static_cast<size_t>(size_), 0);
  for (size_t r = 1; r < offsets.size(); ++r) offsets[r] = offsets[r - 1] + lengths[r - 1];
  std::vector<char> all(rank_ == 0 ? static_cast<size_t>(offsets.back() + lengths.back()) : 0);
  MPI_Gatherv(bytes.data(), length, MPI_CHAR, all.data(), lengths.data(), offsets.data(), MPI_CHAR, 0,
              MPI_COMM_WORLD);
  long counts[2] = {mine.objects, mine.object_steps};
  long totals[2] = {0, 0};
  MPI_Reduce(counts, totals, 2, MPI_LONG, MPI_SUM, 0, MPI_COMM_WORLD);
  if (rank_ != 0) return mine;
  SurveyResult merged;
  merged.objects = totals[0];
  merged.object_steps = totals[1];
  decode(all.data(), all.data() + all.size(), merged.rows);
  sort_rows(merged.rows);
  return merged;
#else
  return mine;
#endif
}

}  // namespace survey
