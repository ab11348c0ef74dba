// The survey of the real catalogue over the first half of 2020 against the published
// close approaches to the Earth: the rows with a time uncertainty under a minute and a
// distance under 0.15 AU, checked against a fine independent integration of the same
// model, and compared with the published values by distance band. Skipped when the
// shared data are absent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "reference_minima.h"
#include "dynamics/constants.h"
#include "survey/parallel/threaded_survey.h"
#include "survey/io/object_list.h"

namespace {

using namespace survey;

const std::string kData = SKYTRAK_SHARED_DATA;

struct PublishedRow {
  std::string packed;
  double jd;
  double distance;
};

std::string trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Rows with t_sigma "< 00:01" and a distance below max_au.
std::vector<PublishedRow> well_known_rows(std::ifstream& in, double max_au) {
  std::vector<PublishedRow> rows;
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::stringstream fields(line);
    for (std::string field; std::getline(fields, field, ',');) f.push_back(field);
    if (f.size() < 11 || f[10] != "< 00:01") continue;
    const double distance = std::stod(f[5]);
    if (distance < max_au) rows.push_back({trimmed(f[1]), std::stod(f[3]), distance});
  }
  return rows;
}

struct Fixture {
  std::vector<PublishedRow> published;
  SurveyCatalogue catalogue;
  SurveySettings settings;
  SurveyResult result;
};

// Surveys the objects of the well-known rows from JD 2458849.5 to 2459031.5, Earth, 0.2 AU.
bool survey_well_known(Fixture& f) {
  std::ifstream cad(kData + "/cad-2020-H1.csv");
  const std::string catalogue_path = kData + "/NEA-2019-07-02.txt";
  if (!cad || !std::ifstream(catalogue_path)) return false;
  f.published = well_known_rows(cad, 0.15);
  std::vector<std::string> wanted;
  for (const PublishedRow& row : f.published) wanted.push_back(row.packed);
  std::ostringstream warnings;
  f.catalogue = read_survey_catalogue(catalogue_path, wanted, warnings);
  f.settings.from_jd = 2458849.5;
  f.settings.to_jd = 2459031.5;
  f.settings.watched[3] = true;
  f.settings.distance_au = 0.2;
  f.result = survey_objects(f.catalogue.objects, all_indices(f.catalogue.objects.size()), f.settings, 2, nullptr);
  return true;
}

const SurveyRow* nearest_row(const SurveyResult& result, const std::string& packed, double jd) {
  const SurveyRow* best = nullptr;
  for (const SurveyRow& row : result.rows) {
    if (row.packed != packed || std::fabs(row.jd - jd) > 1.0) continue;
    if (best == nullptr || std::fabs(row.jd - jd) < std::fabs(best->jd - jd)) best = &row;
  }
  return best;
}

double quantile(std::vector<double> values, double q) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
}

// At least 99 % of the minima below 0.15 AU that the reference finds are in the table,
// and at least 95 % agree within 0.006 d and 0.5 %.
TEST(SurveyRealSky, AgreesWithAFineIntegrationOfTheSameModel) {
  Fixture f;
  if (!survey_well_known(f)) GTEST_SKIP() << "shared data not found in " << kData;
  SurveySettings band = f.settings;
  band.distance_au = 0.15;
  int expected = 0, found = 0, agree = 0;
  for (const SurveyObject& object : f.catalogue.objects) {
    for (const reference::Minimum& m : reference::distance_minima(object, band, 1e-4)) {
      ++expected;
      const SurveyRow* row = nearest_row(f.result, object.packed, m.jd);
      if (row == nullptr) continue;
      ++found;
      if (std::fabs(row->jd - m.jd) <= 0.006 && std::fabs(row->distance - m.distance) <= 0.005 * m.distance) ++agree;
    }
  }
  std::printf("reference minima %d, found %d, agreeing %d\n", expected, found, agree);
  ASSERT_GT(expected, 100);
  EXPECT_GE(found, 0.99 * expected);
  EXPECT_GE(agree, 0.95 * expected);
}

// Against the published table: per band the median and 95th percentile of |dt| and
// |d dist|, and the rows the model does not reach within a day. A fine integration of this
// model from the 2019 orbits puts 61-79 % of the rows within 0.05 d, with median errors of
// 0.005-0.01 d and 0.02-0.03 %: the survey must do as well.
TEST(SurveyRealSky, PublishedApproachesByDistanceBand) {
  Fixture f;
  if (!survey_well_known(f)) GTEST_SKIP() << "shared data not found in " << kData;
  const double bands[] = {0.0, 0.02, 0.05, 0.15};
  std::vector<double> dt_all, dd_all;
  for (int b = 0; b < 3; ++b) {
    std::vector<double> dt, dd;
    for (const PublishedRow& published : f.published) {
      if (published.distance < bands[b] || published.distance >= bands[b + 1]) continue;
      const SurveyRow* row = nearest_row(f.result, published.packed, published.jd);
      if (row == nullptr) {
        std::printf("not reached: %s JD %.5f %.5f AU\n", published.packed.c_str(), published.jd, published.distance);
        continue;
      }
      dt.push_back(std::fabs(row->jd - published.jd));
      dd.push_back(std::fabs(row->distance - published.distance) / published.distance);
    }
    if (dt.empty()) continue;
    std::printf("band %.2f-%.2f AU: %zu rows, |dt| median %.4f d p95 %.4f d, |ddist| median %.4f %% p95 %.4f %%\n",
                bands[b], bands[b + 1], dt.size(), quantile(dt, 0.5), quantile(dt, 0.95), 100.0 * quantile(dd, 0.5),
                100.0 * quantile(dd, 0.95));
    dt_all.insert(dt_all.end(), dt.begin(), dt.end());
    dd_all.insert(dd_all.end(), dd.begin(), dd.end());
  }
  const auto close_in_time = std::count_if(dt_all.begin(), dt_all.end(), [](double dt) { return dt <= 0.05; });
  std::printf("all bands: %zu of %zu rows reached, %ld within 0.05 d, |dt| median %.4f d, |ddist| median %.4f %%\n",
              dt_all.size(), f.published.size(), static_cast<long>(close_in_time), quantile(dt_all, 0.5),
              100.0 * quantile(dd_all, 0.5));
  EXPECT_GE(static_cast<double>(close_in_time), 0.61 * static_cast<double>(f.published.size()));
  EXPECT_LE(quantile(dt_all, 0.5), 0.01);
  EXPECT_LE(quantile(dd_all, 0.5), 0.0003);
}

// The ephemeris sky against the published table: the rows of well-known times under
// 0.2 AU whose 2019 record has U <= 3 (column 106), from the Earth's centre; percentiles
// printed by distance band and by U. Also 1997 XF11 in 2028 and 2005 YU55 in 2011
// (backwards) of close-approaches.md.
TEST(SurveyRealSky, EphemerisSkyAgreesWithThePublishedApproaches) {
  std::ifstream cad(kData + "/cad-2020-H1.csv"), records(kData + "/NEA-2019-07-02.txt");
  if (!cad || !records) GTEST_SKIP() << "shared data not found in " << kData;
  std::map<std::string, int> codes;
  for (std::string line; std::getline(records, line);) {
    if (line.size() > 105 && std::isdigit(static_cast<unsigned char>(line[105]))) codes[trimmed(line.substr(0, 7))] = line[105] - '0';
  }
  std::vector<PublishedRow> published;
  std::vector<std::string> wanted;
  for (const PublishedRow& row : well_known_rows(cad, 0.2)) {
    if (codes.count(row.packed) == 0 || codes[row.packed] > 3) continue;
    published.push_back(row);
    wanted.push_back(row.packed);
  }
  std::ostringstream warnings;
  const SurveyCatalogue catalogue = read_survey_catalogue(kData + "/NEA-2019-07-02.txt", wanted, warnings);
  SurveySettings settings;
  settings.from_jd = 2458849.5;
  settings.to_jd = 2459031.5;
  settings.watched[3] = true;
  settings.distance_au = 0.21;
  settings.sky = sky::Sky::ephemeris;
  const SurveyResult result = survey_objects(catalogue.objects, all_indices(catalogue.objects.size()), settings, 2, nullptr);
  std::map<std::string, std::pair<std::vector<double>, std::vector<double>>> sets;  // |dt| min, |ddist| %
  for (const PublishedRow& row : published) {
    const SurveyRow* found = nearest_row(result, row.packed, row.jd);
    if (found == nullptr) continue;
    const double band = row.distance < 0.02 ? 0.0 : row.distance < 0.05 ? 0.02 : row.distance < 0.1 ? 0.05 : 0.1;
    for (const std::string& set : {std::string("all"), "from " + std::to_string(band).substr(0, 4) + " AU",
                                   "U " + std::to_string(codes[row.packed])}) {
      sets[set].first.push_back(std::fabs(found->jd - row.jd) * 1440.0);
      sets[set].second.push_back(100.0 * std::fabs(found->distance - row.distance) / row.distance);
    }
  }
  for (const auto& [set, d] : sets) {
    std::printf("%s: %zu rows, |dt| median %.3f p95 %.3f min, |ddist| median %.5f p95 %.5f %%\n", set.c_str(),
                d.first.size(), quantile(d.first, 0.5), quantile(d.first, 0.95), quantile(d.second, 0.5),
                quantile(d.second, 0.95));
  }
  ASSERT_GT(published.size(), 100u);
  EXPECT_GE(static_cast<double>(sets["all"].first.size()), 0.99 * static_cast<double>(published.size()));
  EXPECT_LE(quantile(sets["all"].first, 0.5), 0.5);
  EXPECT_LE(quantile(sets["all"].second, 0.5), 0.002);
  // Published time and distance; YU55's time is only the day.
  const std::tuple<const char*, double, double, double> passes[] = {{"35396", 2462070.780556, 929228.0, 2.0},
                                                                    {"U8635", 2455874.0, 324900.0, 720.0}};
  for (const auto& [packed, jd, km, minutes] : passes) {
    const SurveyCatalogue one = read_survey_catalogue(kData + "/NEA-2019-07-02.txt", {packed}, warnings);
    ASSERT_EQ(one.objects.size(), 1u) << packed;
    settings.from_jd = jd - 2.0;
    settings.to_jd = jd + 2.0;
    const SurveyResult passed = survey_objects(one.objects, {0}, settings, 1, nullptr);
    ASSERT_EQ(passed.rows.size(), 1u) << packed;
    std::printf("%s: JD %.5f, %.0f km\n", packed, passed.rows[0].jd, passed.rows[0].distance / dynamics::kKmToAu);
    EXPECT_NEAR(passed.rows[0].jd, jd, minutes / 1440.0) << packed;
    EXPECT_NEAR(passed.rows[0].distance / dynamics::kKmToAu, km, 0.01 * km) << packed;
  }
}

}  // namespace
