// The second pass over a survey's catalogue: its objects a few at a time, so that a
// catalogue of millions of records is never held whole.
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "catalogue/catalogue_file.h"
#include "survey/io/survey_object.h"
#include "survey/io/catalogue_lines.h"
#include "survey/io/census.h"

namespace survey {

class SurveyObjectStream {
 public:
  // The objects of `path` that `census` (take_census of the same file and share)
  // counted in this process's share: the records an object list picked, or else every
  // usable one. The lines of the other shares are passed over without being read as
  // records; bad records were reported by the census and are passed over silently. When
  // the census holds the objects, they are taken from it and the file is not opened again.
  // Throws errors::Failure when the file is no longer the one the census read.
  SurveyObjectStream(const std::filesystem::path& path, const CatalogueCensus& census, LineShare in_share);

  // Appends the next objects, at most `most`, to `objects`; returns how many (0 at the end).
  std::size_t read(std::vector<SurveyObject>& objects, std::size_t most);

 private:
  std::unique_ptr<catalogue::CatalogueFile> file_;
  const CatalogueCensus& census_;
  LineShare in_share_;
  std::size_t next_pick_ = 0;  // into census_.picked_lines
  std::size_t next_held_ = 0;  // into census_.held
};

}  // namespace survey
