// What every subcommand's --help shares: examples at its end, and option value names
// without the validators' own labels.
#pragma once

#include <initializer_list>

namespace CLI {
class App;
class Validator;
}  // namespace CLI

namespace cli {

// Ends the --help of `command` with these command lines, one a line, under "Examples".
// They use the sample catalogue (data/nea.dat copied as nea.dat into the current folder).
void add_examples(CLI::App& command, std::initializer_list<const char*> lines);

// Makes the --help of `program`, and of the subcommands added after this call, show each
// option's value as a person writes it: "--save FORMAT[,FORMAT...]", without CLI11's repeat
// marks (" ...", " x 7").
void use_plain_option_values(CLI::App& program);

// `check` with an empty description, so that --help shows only the option's value name
// ("FILE", not "FILE:FILE").
CLI::Validator unlabelled(CLI::Validator check);

}  // namespace cli
