// skytrak3d survey --catalogue FILE --from JD --to JD [--planet 3|all|LIST] [--distance AU]
//                  [--jobs N] [--csv OUT] [--objects LIST] [--sky ephemeris|table]
#include "cli/survey_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/number_checks.h"
#include "cli/sky_option.h"
#include "cli/table_output.h"
#include "cli/version_flag.h"
#include "survey/survey_driver.h"

namespace cli {

namespace {

struct SurveyCommandOptions {
  survey::SurveyOptions survey;
  std::string catalogue, objects, csv;
  std::string planets = "3";
};

}  // namespace

void add_survey_command(CLI::App& program, CommandContext& context) {
  CLI::App* command = program.add_subcommand(
      "survey",
      "Close approaches of every object of a catalogue to the chosen planets, as a CSV table sorted by time: "
      "designation,packed,planet,jd_tdb,calendar_tdb,dist_au,v_rel_kms,event (event: approach, collision, sun, "
      "ejection). Runs on threads, and on MPI ranks under mpirun");
  add_version_flag(*command);
  auto o = std::make_shared<SurveyCommandOptions>();
  command->add_option("--catalogue", o->catalogue, "Catalogue of one-line orbits (bad records are skipped)")
      ->required();
  command->add_option("--from", o->survey.settings.from_jd, "Start of the window, Julian date (TDB)")
      ->required()
      ->check(finite_number());
  command->add_option("--to", o->survey.settings.to_jd, "End of the window, Julian date (TDB)")
      ->required()
      ->check(finite_number());
  command->add_option("--planet", o->planets, "Planet number 1-9 or moon, a list like 2,3,moon, or all")
      ->capture_default_str();
  command->add_option("--distance", o->survey.settings.distance_au, "Report minima of the distance below this (AU)")
      ->capture_default_str()
      ->check(above_zero());
  command->add_option("--jobs", o->survey.jobs, "Threads (default: one per core, at most one per group of objects)")
      ->check(above_zero());
  command->add_option("--csv", o->csv, "Write the table to this file (it appears whole, or not at all) instead of standard output");
  command->add_option("--objects", o->objects, "Survey only the objects of this file: one a line, found as run --object finds it");
  o->survey.settings.sky = sky::Sky::ephemeris;
  add_sky_option(*command, o->survey.settings.sky);
  command->callback([o, &context] {
    if (!survey::parse_planet_list(o->planets, o->survey.settings.watched)) {
      throw UsageError("--planet: a planet number 1-9 or moon, a comma-separated list of them, or all: " + o->planets);
    }
    if (!(o->survey.settings.to_jd > o->survey.settings.from_jd)) {
      throw UsageError("--to must come after --from");
    }
    o->survey.catalogue = o->catalogue;
    o->survey.object_list = o->objects;
    if (context.checks_only) return;
    context.status = survey::run_survey(o->survey, table_writer(o->csv, context.out), context.err,
                                        ::isatty(STDERR_FILENO) != 0);
  });
}

}  // namespace cli
