// skytrak3d coorbital --catalogue FILE --planet 3 [--span 400] [--sky ephemeris|table]
//                     [--jobs N] [--csv OUT] [--objects LIST] [--save png,svg,pdf,ps] [--out DIR]
//                     [--background white|black]
#include "cli/coorbital_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <optional>

#include "cli/catalogue_command_run.h"
#include "cli/catalogue_option.h"
#include "cli/coorbital_pictures.h"
#include "cli/figure_options.h"
#include "cli/file_name_check.h"
#include "cli/help_text.h"
#include "cli/number_checks.h"
#include "cli/planet_name.h"
#include "cli/sky_option.h"
#include "cli/style_option.h"
#include "cli/table_output.h"
#include "cli/version_flag.h"
#include "coorbital/coorbital_driver.h"
#include "errors/error.h"
#include "survey/parallel/mpi_loader.h"

namespace cli {

namespace {

struct CoorbitalCommandOptions {
  coorbital::CoorbitalOptions run;
  std::string catalogue, objects, csv;
  std::string planet = "3";
  std::vector<std::string> save;
  std::string out = ".";
  app::PngBackground background = app::PngBackground::white;
};

}  // namespace

void add_coorbital_command(CLI::App& program, CommandContext& context) {
  CLI::App* command = program.add_subcommand(
      "coorbital",
      "Co-orbital companions of a planet in a whole catalogue: each object whose semimajor axis lies near the "
      "planet's is integrated over the span about its epoch and its resonant angle judged, as a CSV table: "
      "designation,packed,planet,class,centre_deg,amplitude_deg,period_yr,episode_from_yr,episode_to_yr,"
      "min_dist_au,stability (class: quasi-satellite, trojan-L4, trojan-L5, horseshoe, passing; * marks the "
      "episode at the epoch)");
  add_version_flag(*command);
  auto o = std::make_shared<CoorbitalCommandOptions>();
  add_whole_catalogue_option(*command, o->catalogue);
  command->add_option("--planet", o->planet, "Planet number 1-9 or name")->type_name("PLANET")->capture_default_str();
  command->add_option("--span", o->run.settings.span_yr, "Years integrated in all, half before the epoch and half after")
      ->type_name("YEARS")
      ->capture_default_str()
      ->check(above_zero());
  command->add_option("--jobs", o->run.run.jobs, "Threads (default: one per core)")->type_name("N")->check(above_zero());
  add_csv_option(*command, o->csv);
  command->add_option("--objects", o->objects,
                      "Search only the objects of this file, candidates or not: one a line, found as run --object finds it")
      ->type_name("FILE")
      ->check(file_name());
  add_save_option(*command, o->save,
                  "Pictures of each co-orbital: its angle against time and its path from above, as <packed>-phi and "
                  "<packed>-path");
  add_out_option(*command, o->out);
  add_background_option(*command, o->background, "the pictures");
  add_sky_option(*command, o->run.settings.sky);
  command->add_flag("--quiet", o->run.run.quiet, "Print nothing but the table, warnings and errors: no summary line");
  add_examples(*command, {"skytrak3d coorbital --catalogue nea.dat --planet earth",
                          "skytrak3d coorbital --catalogue nea.dat --planet earth --span 600 --csv earth.csv --save png"});
  command->callback([o, &context] {
    const std::optional<int> planet = planet_number(o->planet);
    if (!planet) throw errors::UsageError("--planet: a planet number 1-9 or a planet's name: " + o->planet);
    o->run.settings.planet = *planet;
    o->run.run.catalogue = o->catalogue;
    o->run.run.object_list = o->objects;
    if (context.checks_only) return;
    // The search does not share its objects among MPI ranks: under a launcher the first
    // rank does it all on its threads, so that one table and one set of pictures appear.
    if (survey::launcher_rank() > 0) return;
    coorbital::PictureMaker pictures;
    if (!o->save.empty()) {
      const CoorbitalPictures asked{o->run.settings, picture_formats(o->save), o->out, o->background};
      pictures = [asked](const coorbital::CoorbitalResult& result) {
        const std::string failure = save_pictures(result, asked);
        if (!failure.empty()) throw errors::Failure(failure);
      };
    }
    context.status = run_catalogue_command(context, [&](const survey::RunStreams& streams) {
      return coorbital::run_coorbital(o->run, text_writer(o->csv, context.out), pictures, streams);
    });
  });
}

}  // namespace cli
