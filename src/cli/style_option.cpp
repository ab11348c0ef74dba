// --style classic|clear and --background black|white.
#include "cli/style_option.h"

#include <CLI/CLI.hpp>
#include <map>
#include <optional>
#include <string>

namespace cli {

namespace {

const std::map<std::string, app::PictureStyle> kStyles = {{"classic", app::PictureStyle::classic},
                                                          {"clear", app::PictureStyle::clear}};
const std::map<std::string, app::PngBackground> kBackgrounds = {{"black", app::PngBackground::black},
                                                                {"white", app::PngBackground::white}};

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
