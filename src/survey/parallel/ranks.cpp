// Splitting a survey over MPI ranks, and gathering its table on rank 0.
#include "survey/parallel/ranks.h"

#include <cstring>
#include <string>

namespace survey {
namespace {

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

}  // namespace

SurveyRanks::SurveyRanks(std::unique_ptr<RankLink> link) : link_(std::move(link)) {}

bool SurveyRanks::owns_line(long line_number) const {
  return (line_number - 1) / kLinesPerShareBlock % size() == rank();
}

void SurveyRanks::abandon(int status) const {
  if (link_) link_->abandon(status);
}

SurveyResult SurveyRanks::gather(SurveyResult mine) const {
  if (!link_) return mine;
  const std::string all = link_->gather(encode(mine.rows));
  const long counts[2] = {mine.objects, mine.object_steps};
  long totals[2] = {0, 0};
  link_->sum(counts, totals);
  if (rank() != 0) return mine;
  SurveyResult merged;
  merged.objects = totals[0];
  merged.object_steps = totals[1];
  decode(all.data(), all.data() + all.size(), merged.rows);
  sort_rows(merged.rows);
  return merged;
}

}  // namespace survey
