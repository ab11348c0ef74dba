// Helpers for whole-dialogue tests: run the dialogue on strings, temporary folders,
// stand-in stages that record what the cycle asked of them, and the fixed texts.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/program.h"
#include "test_support/temp_dir.h"

namespace dialogue_test {

using test_support::TempDir;

struct Transcript {
  std::string out;
  std::string err;
  int status = -1;
};

inline Transcript run_dialogue(const std::string& input,
                               const std::function<app::Stages(app::Console&, std::ostream& warnings)>& make) {
  std::istringstream in(input);
  std::ostringstream out, err;
  Transcript t;
  t.status = app::run_main(in, out, err, make);
  t.out = out.str();
  t.err = err.str();
  return t;
}

inline std::string sample_catalogue() {
  std::ifstream in(std::filesystem::path(SKYTRAK_SOURCE_DIR) / "data" / "nea.dat", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// What the stand-in stages saw, one entry per call.
struct Record {
  std::string stage;
  app::RunState state;  // a copy at the time of the call (points not compared)
  int iopt = -1;
};

// Stand-ins for the stages after the object choice: each records its call; the
// read-back and the view dialogue set the animation key as an answer "Y" would.
inline app::Stages recording_stages(std::vector<Record>& calls) {
  app::Stages s;
  s.classify = [&calls](app::RunState& st) { calls.push_back({"classify", st, -1}); };
  s.run_span = [&calls](app::RunState& st) { calls.push_back({"run_span", st, -1}); };
  s.read_back = [&calls](app::RunState& st) {
    st.anim = true;
    st.kstart = 1;
    calls.push_back({"read_back", st, -1});
  };
  s.view_dialogue = [&calls](app::RunState& st) {
    st.anim = true;
    calls.push_back({"view_dialogue", st, -1});
  };
  s.plot = [&calls](app::RunState& st, int iopt) { calls.push_back({"plot", st, iopt}); };
  return s;
}

// The real object choice on `folder`, stand-ins for the later stages.
inline app::Stages stand_in_stages(app::Console& console, std::vector<Record>& calls, const std::filesystem::path& folder,
                                   std::ostream& hints) {
  app::Stages s = recording_stages(calls);
  s.choose_object = [&console, &folder, &hints, &calls](app::RunState& st) {
    app::choose_object(console, st, folder, hints);
    calls.push_back({"choose_object", st, -1});
  };
  return s;
}

// Runs the dialogue with the real object choice on `folder` and stand-ins after it.
inline Transcript run_with_catalogue(const std::string& input, const std::filesystem::path& folder,
                                     std::vector<Record>& calls) {
  return run_dialogue(input, [&](app::Console& console, std::ostream& warnings) {
    return stand_in_stages(console, calls, folder, warnings);
  });
}

inline std::vector<std::string> stage_names(const std::vector<Record>& calls) {
  std::vector<std::string> names;
  for (const Record& r : calls) names.push_back(r.stage);
  return names;
}

// The fixed texts of the dialogue, as free-format lines.
inline const std::string kGreeting =
    " --------------------SKYTRAK3D----------------------\n"
    "         home page: https://example.org/skytrak3d\n"
    "             version 5 - Mar. 26, 2022\n"
    "      written by the SKYTRAK3D developers, C++20\n"
    "          3D views of small bodies orbits \n"
    "     SKYTRAK uses the numerical integrator ZENTO \n"
    "            and PLOTIX graphic library\n"
    " ----------------------------------------------------\n"
    "  \n"
    " SKYTRAK needs the file NEA.DAT, you can download it\n"
    " from  https://minorplanetcenter.net/iau/MPCORB/NEA.txt\n"
    "                   OR  \n"
    " You can introduce orbital elements by hand or \n"
    " append to NEA.DAT any file with MPC format. \n"
    "  \n";
inline const std::string kPlanetQuestion = " Reference Planet? (from 1 to 9, Earth=3)\n";
inline const std::string kEarthAccepted =
    "  \n"
    " distance unit = Sun-planet distance\n"
    "               * scale is preserved *         \n";
inline const std::string kNotAtScale =
    "  \n"
    " distance unit = Sun-planet distance\n"
    "     * diameters of Sun and planet NOT at scale *\n";
// Everything up to the first name prompt for the answer 3.
inline const std::string kStartEarth = kGreeting + kPlanetQuestion + kEarthAccepted;
inline const std::string kNamePrompt =
    "  \n"
    "     NEA name (for example 00433, K02A29A)\n"
    " or  type 1  to introduce elements by hand\n"
    " or type 2 to see a selection of asteroids\n";
inline const std::string kNotFound = " I did not find that object, try again...\n";
inline const std::string kMenu =
    " CHOOSE AN OPTION\n"
    "          REPLOT: 0\n"
    "     SAVE AS BMP: 1\n"
    "     SAVE AS PDF: 2\n"
    "     SAVE AS  PS: 3\n"
    "     SAVE AS WMF: 4\n"
    "        NEW VIEW: 5\n"
    "   NEW TIME SPAN: 6\n"
    "         NEW NEA: 7\n"
    "            QUIT: 8\n"
    "     SAVE AS PNG: 9\n"
    "     SAVE AS SVG: 10\n";

}  // namespace dialogue_test
