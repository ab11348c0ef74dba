// open_free_version (see versioned_file.h).
#include "devices/versioned_file.h"

#include "devices/file_version.h"

namespace devices {

bool open_free_version(ByteSink& sink, const std::string& name, DeviceOpenResult& result,
                       std::string& error) {
  result.file_name = free_file_name(name);
  if (result.file_name.empty()) {
    result.status = kStatusNoFreeVersion;
    return false;
  }
  if (!sink.open_new(result.file_name, name)) {
    error = sink.error();
    result.status = kStatusFileError;
    return false;
  }
  return true;
}

bool open_chosen_version(ByteSink& sink, const DeviceOpenParams& params) {
  return sink.open_new(params.file_name, params.version_base.empty() ? params.file_name : params.version_base);
}

}  // namespace devices
