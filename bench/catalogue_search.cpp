// Speed of a catalogue search: a 1.5-million-record catalogue built from the published
// records (with new designations) is searched for its last record, and `grep -F` is timed
// on the same file in the same run for comparison; a listing of the same file reads
// every record in full.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/catalogue_listing.h"
#include "app/catalogue_search.h"

namespace {

constexpr long kRecords = 1'500'000;

// "Z" and six base-36 digits: a designation no published record uses.
std::string designation(long k) {
  static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::string result = "Z000000";
  for (int pos = 6; pos > 0 && k > 0; --pos, k /= 36) result[static_cast<std::size_t>(pos)] = digits[k % 36];
  return result;
}

// The catalogue, built once for the whole run in a temporary folder.
struct BigCatalogue {
  std::filesystem::path folder;
  std::string last_designation;

  BigCatalogue() {
    const std::filesystem::path source = std::filesystem::path(SKYTRAK_SHARED_DATA) / "NEA-2019-07-02.txt";
    std::ifstream in(source);
    std::vector<std::string> records;
    for (std::string line; std::getline(in, line);) records.push_back(line);
    if (records.empty()) {
      std::cerr << "no published records in " << source << "\n";
      std::exit(1);
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "skytrak3d-bench-XXXXXX").string();
    folder = ::mkdtemp(pattern.data());
    std::ofstream out(folder / "nea.dat", std::ios::binary);
    for (long k = 0; k < kRecords; ++k) {
      std::string record = records[static_cast<std::size_t>(k) % records.size()];
      record.replace(0, 7, designation(k));
      out << record << '\n';
    }
    last_designation = designation(kRecords - 1);
  }
  ~BigCatalogue() { std::filesystem::remove_all(folder); }
};

BigCatalogue& catalogue() {
  static BigCatalogue instance;
  return instance;
}

double search_seconds(const BigCatalogue& big) {
  std::istringstream no_input;
  std::ostringstream out, hints;
  app::Console console(no_input, out);
  app::RunState state;
  state.name7 = big.last_designation;
  const auto start = std::chrono::steady_clock::now();
  app::search_catalogue(console, state, big.folder, hints);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  if (out.str().find(big.last_designation) == std::string::npos) {
    std::cerr << "the search did not find " << big.last_designation << "\n";
    std::exit(1);
  }
  return elapsed.count();
}

double grep_seconds(const BigCatalogue& big) {
  const std::string command = "LC_ALL=C grep -F '" + big.last_designation + "' '" + (big.folder / "nea.dat").string() +
                              "' > '" + (big.folder / "grep.out").string() + "'";
  const auto start = std::chrono::steady_clock::now();
  const int status = std::system(command.c_str());
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  if (status != 0) {
    std::cerr << "grep -F failed: " << command << "\n";
    std::exit(1);
  }
  return elapsed.count();
}

// Each iteration times one search and one grep -F (in the C locale, its fastest case); the reported time is the search's,
// and the counters give both and their ratio.
void BM_SearchLastRecordVsGrep(benchmark::State& state) {
  const BigCatalogue& big = catalogue();
  grep_seconds(big);  // brings the file into the page cache for both
  double search_total = 0.0, grep_total = 0.0;
  for (auto _ : state) {
    const double search = search_seconds(big);
    grep_total += grep_seconds(big);
    search_total += search;
    state.SetIterationTime(search);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["search_ms"] = 1000.0 * search_total / n;
  state.counters["grep_F_ms"] = 1000.0 * grep_total / n;
  state.counters["search_over_grep"] = search_total / grep_total;
  state.counters["records"] = static_cast<double>(kRecords);
}
BENCHMARK(BM_SearchLastRecordVsGrep)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A listing reads every record in full; a range that nothing matches times that alone.
void BM_ListingReadsEveryRecord(benchmark::State& state) {
  const BigCatalogue& big = catalogue();
  for (auto _ : state) {
    std::istringstream answer("2,1\n");
    std::ostringstream out, hints;
    app::Console console(answer, out);
    app::list_catalogue(console, big.folder, hints);
    benchmark::DoNotOptimize(out.str());
  }
  state.counters["records_per_s"] = benchmark::Counter(static_cast<double>(kRecords) * static_cast<double>(state.iterations()),
                                                       benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ListingReadsEveryRecord)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
