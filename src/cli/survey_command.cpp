// skytrak3d survey --catalogue FILE --from DATE --to DATE [--planet 3|all|LIST] [--distance AU]
//                  [--jobs N] [--csv OUT] [--objects LIST] [--sky ephemeris|table]
//                  [--save png,svg,pdf,ps] [--out DIR] [--background white|black]
#include "cli/survey_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <utility>

#include "cli/catalogue_command_run.h"
#include "cli/catalogue_option.h"
#include "cli/date_option.h"
#include "cli/figure_options.h"
#include "cli/file_name_check.h"
#include "cli/help_text.h"
#include "cli/number_checks.h"
#include "cli/planet_name.h"
#include "cli/sky_option.h"
#include "cli/style_option.h"
#include "cli/survey_pictures.h"
#include "cli/table_output.h"
#include "cli/version_flag.h"
#include "errors/error.h"
#include "survey/survey_driver.h"

namespace cli {

namespace {

struct SurveyCommandOptions {
  survey::SurveyOptions survey;
  std::string catalogue, objects, csv;
  std::string planets = "3";
  std::vector<std::string> save;
  std::string out = ".";
  app::PngBackground background = app::PngBackground::white;
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
  add_whole_catalogue_option(*command, o->catalogue);
  add_date_option(*command, "--from", o->survey.settings.from_jd, "Start of the window")->required();
  add_date_option(*command, "--to", o->survey.settings.to_jd, "End of the window")->required();
  command->add_option("--planet", o->planets, "Planet number 1-9 or name, moon, a list like 2,earth,moon, or all")
      ->type_name("PLANET[,PLANET...]")
      ->capture_default_str();
  command->add_option("--distance", o->survey.settings.distance_au, "Report minima of the distance below this (AU)")
      ->type_name("AU")
      ->capture_default_str()
      ->check(above_zero());
  command->add_option("--jobs", o->survey.run.jobs, "Threads (default: one per core, at most one per group of objects)")
      ->type_name("N")
      ->check(above_zero());
  add_csv_option(*command, o->csv);
  command->add_option("--objects", o->objects, "Survey only the objects of this file: one a line, found as run --object finds it")
      ->type_name("FILE")
      ->check(file_name());
  o->survey.settings.sky = sky::Sky::ephemeris;
  add_sky_option(*command, o->survey.settings.sky);
  add_save_option(*command, o->save, "Picture of the table, survey-approaches.FORMAT: distance against date");
  add_out_option(*command, o->out);
  add_background_option(*command, o->background, "the picture");
  command->add_flag("--quiet", o->survey.run.quiet, "Print nothing but the table, warnings and errors: no summary line");
  add_examples(*command, {"skytrak3d survey --catalogue nea.dat --from 2020-01-01 --to 2030-01-01",
                          "skytrak3d survey --catalogue nea.dat --from 2458849.5 --to 2459580.5 --planet earth,mars "
                          "--distance 0.2 --csv approaches.csv",
                          "skytrak3d survey --catalogue nea.dat --from 2020-01-01 --to 2021-01-01 --planet earth,moon "
                          "--save png,pdf"});
  command->callback([o, &context] {
    if (!survey::parse_planet_list(planet_names_as_numbers(o->planets), o->survey.settings.watched)) {
      throw errors::UsageError("--planet: a planet number 1-9, a planet's name or moon, a comma-separated list of them, or all: " + o->planets);
    }
    if (!(o->survey.settings.to_jd > o->survey.settings.from_jd)) {
      throw errors::UsageError("--to must come after --from");
    }
    o->survey.run.catalogue = o->catalogue;
    o->survey.run.object_list = o->objects;
    if (context.checks_only) return;
    if (!o->save.empty()) {
      const survey::SurveySettings& settings = o->survey.settings;
      const SurveyPictures pictures{picture_formats(o->save), o->out, o->background, o->catalogue,
                                    settings.from_jd, settings.to_jd, settings.distance_au};
      o->survey.after_table = [pictures](const std::vector<survey::SurveyRow>& rows) {
        draw_survey_pictures(rows, pictures);
      };
    }
    context.status = run_catalogue_command(context, [&o, &context](const survey::RunStreams& streams) {
      return survey::run_survey(o->survey, text_writer(o->csv, context.out), streams);
    });
  });
}

}  // namespace cli
