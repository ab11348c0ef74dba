// --style classic|clear, --background black|white, --frame path|system, --zoom F and
// --colour plain|time.
#include "cli/style_option.h"

#include <CLI/CLI.hpp>
#include <map>
#include <optional>
#include <string>

#include "app/view_turn.h"
#include "cli/help_text.h"
#include "cli/number_checks.h"

namespace cli {

namespace {

const std::map<std::string, app::PictureStyle> kStyles = {{"classic", app::PictureStyle::classic},
                                                          {"clear", app::PictureStyle::clear}};
const std::map<std::string, app::PngBackground> kBackgrounds = {{"black", app::PngBackground::black},
                                                                {"white", app::PngBackground::white}};
const std::map<std::string, app::BoxFrame> kFrames = {{"path", app::BoxFrame::path}, {"system", app::BoxFrame::system}};
const std::map<std::string, app::PathColour> kColourings = {{"plain", app::PathColour::plain},
                                                            {"time", app::PathColour::time}};

std::optional<app::PictureStyle> style_named(const std::string& name) {
  const auto found = kStyles.find(name);
  if (found == kStyles.end()) return std::nullopt;
  return found->second;
}

}  // namespace

void add_style_option(CLI::App& command, app::PictureStyle& style) {
  command
      .add_option_function<std::string>(
          "--style", [&style](const std::string& name) { style = kStyles.at(name); },
          "Picture style: clear (upright labels, drawing fitted to the page, markers and a legend) or classic "
          "(labels on the box faces); default " +
              std::string(style == app::PictureStyle::clear ? "clear" : "classic"))
      ->type_name("clear|classic")
      ->check(CLI::IsMember(kStyles));
}

void add_background_option(CLI::App& command, app::PngBackground& background, const std::string& pictures) {
  const std::string choices = background == app::PngBackground::black ? "black (default, like the screen) or white"
                                                                       : "white (default, paper) or black (like the screen)";
  command
      .add_option_function<std::string>(
          "--background", [&background](const std::string& name) { background = kBackgrounds.at(name); },
          "Background of " + pictures + ": " + choices)
      ->type_name("black|white")
      ->check(CLI::IsMember(kBackgrounds));
}

CLI::Option* add_frame_option(CLI::App& command, app::BoxFrame& frame) {
  return command
      .add_option_function<std::string>(
          "--frame", [&frame](const std::string& name) { frame = kFrames.at(name); },
          "Box of the clear picture: path (default; the path and the planet, with an arrow towards the Sun when "
          "it lies outside) or system (the whole Sun-planet box)")
      ->type_name("path|system")
      ->check(CLI::IsMember(kFrames));
}

CLI::Option* add_zoom_option(CLI::App& command, float& zoom) {
  return command
      .add_option_function<std::string>(
          "--zoom", [&zoom](const std::string& text) { zoom = static_cast<float>(std::stod(text)); },
          "Enlargement of the clear picture about the view's focus: 1 (default) fits the box, 2 shows half of "
          "it; from 0.0001 to 10000")
      ->type_name("F")
      ->check(unlabelled(above_zero("the enlargement must be above 0")))
      ->check(unlabelled(within(app::kLeastZoom, app::kMostZoom, "the enlargement must be from 0.0001 to 10000")));
}

CLI::Option* add_colour_option(CLI::App& command, app::PathColour& colour) {
  return command
      .add_option_function<std::string>(
          "--colour", [&colour](const std::string& name) { colour = kColourings.at(name); },
          "Path of the clear picture: plain (default) or time (coloured by date with a colour bar in years, the "
          "closest approaches marked with their dates)")
      ->type_name("plain|time")
      ->check(CLI::IsMember(kColourings));
}

bool dialogue_style(int argc, const char* const* argv, app::PictureStyle& style) {
  std::optional<app::PictureStyle> named;
  const std::string first = argc > 1 ? argv[1] : "";
  if (argc == 3 && first == "--style") named = style_named(argv[2]);
  if (argc == 2 && first.starts_with("--style=")) named = style_named(first.substr(8));
  if (!named) return false;
  style = *named;
  return true;
}

}  // namespace cli
