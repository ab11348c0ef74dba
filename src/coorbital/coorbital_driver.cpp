// Running the co-orbital search end to end.
#include "coorbital/coorbital_driver.h"

#include <cstdio>
#include <vector>

#include "coorbital/candidates.h"
#include "coorbital/coorbital_table.h"
#include "survey/io/object_list.h"

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

std::string run_coorbital(const CoorbitalOptions& options, const survey::TextWriter& put_table,
                          const PictureMaker& make_pictures, const survey::RunStreams& streams) {
  const survey::CatalogueRun run(options.run, streams);
  const std::vector<std::string> wanted = run.wanted();
  const survey::SurveyCatalogue catalogue = survey::read_survey_catalogue(options.run.catalogue, wanted, streams.warnings);
  run.check_matched(!wanted.empty(), catalogue.objects.size());
  const std::vector<std::size_t> chosen = wanted.empty() ? candidates(catalogue.objects, options.settings.planet)
                                                         : survey::all_indices(catalogue.objects.size());
  CoorbitalSettings settings = options.settings;
  settings.jobs = run.threads();
  survey::SurveyProgress bar = run.progress(true);
  const CoorbitalResult result = search(catalogue.objects, chosen, settings, [&](long done, long total) {
    bar.update(done, total);
  });
  bar.finish();
  run.note_threads(result.thread_failure);
  put_table(table_text(result.verdicts, settings.planet));
  if (make_pictures) make_pictures(result);
  return run.summary([&](double wall_seconds) { return summary_line(result, catalogue.bad_records, wall_seconds); });
}

}  // namespace coorbital
