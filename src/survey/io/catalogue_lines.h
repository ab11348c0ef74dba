// The lines of a file the survey reads (a catalogue, an object list), through the
// catalogue's chunked reader, and the usable records among a catalogue's lines.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string_view>

#include "catalogue/catalogue_file.h"
#include "catalogue/catalogue_record.h"

namespace survey {

// Opens a file the survey reads. One that cannot be opened (a folder cannot) is an
// errors::Failure "cannot read the <what> (<path>): <the system's reason>".
std::unique_ptr<catalogue::CatalogueFile> open_survey_file(const std::filesystem::path& path, const char* what);

// Hands every line of `path` to `take`, with its number. A line over the reader's cap or
// a failed read ends with the reader's message.
void read_lines(const std::filesystem::path& path, const char* what,
                const std::function<void(std::string_view, long)>& take);

// Hands every usable record of the catalogue at `path` to `take`, with its line and the
// line's number; a record that is not usable gets one line "bad record skipped (<file>,
// line <n>, <field>)" on `warnings`. Blank lines, and the lines `pass_over` (when
// given) names by their text and number, are passed over unread. Returns the records not
// usable; a catalogue without one usable record is an errors::Failure "no usable record in
// the catalogue (<file>)".
int read_usable_records(
    const std::filesystem::path& path, std::ostream& warnings,
    const std::function<void(std::string_view, long, const catalogue::CatalogueRecord&)>& take,
    const std::function<bool(std::string_view, long)>& pass_over = nullptr);

}  // namespace survey
