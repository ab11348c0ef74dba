// The greeting banner and the reference-planet question.
#include "app/start_dialogue.h"

#include "dynamics/constants.h"

namespace app {

namespace {

constexpr const char* kBanner[] = {
    "--------------------SKYTRAK3D----------------------",
    "        home page: https://example.org/skytrak3d",
    "            version 5 - Mar. 26, 2022",
    "     written by the SKYTRAK3D developers, C++20",
    "         3D views of small bodies orbits ",
    "    SKYTRAK uses the numerical integrator ZENTO ",
    "           and PLOTIX graphic library",
    "----------------------------------------------------",
};

constexpr const char* kCatalogueHint[] = {
    "SKYTRAK needs the file NEA.DAT, you can download it",
    "from  https://minorplanetcenter.net/iau/MPCORB/NEA.txt",
    "                  OR  ",
    "You can introduce orbital elements by hand or ",
    "append to NEA.DAT any file with MPC format. ",
};

constexpr const char* kPlanetQuestion = "Reference Planet? (from 1 to 9, Earth=3)";
constexpr const char* kPlutoLine1 = "HEY! that boy is no longer a planet!!!!";
constexpr const char* kPlutoLine2 = "... all right, it is ok";
constexpr const char* kDistanceUnit = "distance unit = Sun-planet distance";
constexpr const char* kScalePreserved = "              * scale is preserved *         ";
constexpr const char* kNotAtScale = "    * diameters of Sun and planet NOT at scale *";
constexpr const char* kSysnamePrefix = "System : Sun-";

constexpr int kEarth = 3;
constexpr int kPluto = 9;

}  // namespace

void greet(Console& console) {
  for (const char* text : kBanner) console.line({text});
  console.empty_line();
  for (const char* text : kCatalogueHint) console.line({text});
  console.empty_line();
}

std::string make_sysname(int ipl) {
  return kSysnamePrefix + std::string(dynamics::kPlanetNames[static_cast<std::size_t>(ipl - 1)]);
}

void ask_reference_planet(Console& console, RunState& state) {
  int answer = 0;
  do {
    console.line({kPlanetQuestion});
    console.read(kPlanetQuestion, {&answer});
  } while (answer < 1 || answer > dynamics::kPlanetCount);

  if (answer == kPluto) {
    console.line({kPlutoLine1});
    console.line({kPlutoLine2});
  }
  console.empty_line();
  console.line({kDistanceUnit});
  console.line({answer == kEarth ? kScalePreserved : kNotAtScale});
  state.ipl = answer;
  state.sysname = make_sysname(answer);
}

}  // namespace app
