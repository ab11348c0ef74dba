// Running the co-orbital search end to end.
#include "coorbital/coorbital_driver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "coorbital/candidates.h"
#include "coorbital/coorbital_table.h"
#include "survey/io/progress_bar.h"
#include "survey/io/catalogue_lines.h"
#include "survey/io/object_list.h"
#include "survey/io/survey_settings.h"

namespace coorbital {

std::string summary_line(const CoorbitalResult& result, int bad_records, double wall_seconds) {
  int counts[5] = {};
  int compound = 0, sensitive = 0;
  for (const ObjectVerdict& verdict : result.verdicts) {
    ++counts[static_cast<int>(verdict.episodes.episodes[verdict.episodes.at_epoch].motion)];
    compound += verdict.episodes.compound() ? 1 : 0;
    sensitive += verdict.stable ? 0 : 1;
  }
  const int passing = counts[static_cast<int>(Motion::passing)];
  char line[300];
  std::snprintf(line, sizeof line,
                "coorbital: %zu objects, %d bad records skipped, %d co-orbitals (%d horseshoe, %d quasi-satellite, "
                "%d trojan-L4, %d trojan-L5), %d compound, %d sensitive, %.2f s wall, %.0f object-steps/s",
                result.verdicts.size(), bad_records, static_cast<int>(result.verdicts.size()) - passing,
                counts[static_cast<int>(Motion::horseshoe)], counts[static_cast<int>(Motion::quasi_satellite)],
                counts[static_cast<int>(Motion::trojan_l4)], counts[static_cast<int>(Motion::trojan_l5)], compound,
                sensitive, wall_seconds,
                wall_seconds > 0.0 ? static_cast<double>(result.object_steps) / wall_seconds : 0.0);
  return line;
}

int run_coorbital(const CoorbitalOptions& options, const TextWriter& write_table, const PictureMaker& make_pictures,
                  std::ostream& err, bool err_is_terminal) {
  const auto start = std::chrono::steady_clock::now();
  try {
    std::vector<std::string> wanted;
    if (!options.object_list.empty()) {
      wanted = survey::read_object_list(options.object_list);
      if (wanted.empty()) {
        throw survey::SettingRefused("--objects: the list names no object (" + options.object_list.string() + ")");
      }
    }
    const survey::SurveyCatalogue catalogue = survey::read_survey_catalogue(options.catalogue, wanted, err);
    if (!wanted.empty() && catalogue.objects.empty()) {
      throw survey::SurveyInputError("--objects: no name of the list matched");
    }
    const std::vector<std::size_t> chosen = wanted.empty() ? candidates(catalogue.objects, options.settings.planet)
                                                           : survey::all_indices(catalogue.objects.size());
    survey::SurveyProgress bar(err, err_is_terminal && !options.quiet);
    const CoorbitalResult result = search(catalogue.objects, chosen, options.settings, [&](long done, long total) {
      bar.update(done, total);
    });
    bar.finish();
    if (!result.thread_failure.empty()) err << "skytrak3d: " << result.thread_failure << '\n';
    std::string failure = write_table(table_text(result.verdicts, options.settings.planet));
    if (failure.empty() && make_pictures) failure = make_pictures(result);
    if (!failure.empty()) {
      err << "skytrak3d: " << failure << '\n';
      return 1;
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!options.quiet) err << summary_line(result, catalogue.bad_records, wall) << '\n';
    return 0;
  } catch (const survey::SettingRefused& error) {
    err << "skytrak3d: " << error.what() << '\n';
    return 2;
  } catch (const survey::SurveyInputError& error) {
    err << "skytrak3d: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace coorbital
