// Opening the file of a picture: a free version name that is never written over.
#pragma once

#include <string>

#include "devices/byte_sink.h"
#include "devices/device.h"

namespace devices {

// Opens sink on the first free version of `name` and reports that name in
// result.file_name. False when no version is free (result.status kStatusNoFreeVersion)
// or the file cannot be created (kStatusFileError, the reason in `error`).
bool open_free_version(ByteSink& sink, const std::string& name, DeviceOpenResult& result,
                       std::string& error);

// Opens sink on params.file_name, a version the library chose, as a new file that
// never replaces another (ByteSink::open_new) with params.version_base (else the file
// name itself) as the base of later versions.
bool open_chosen_version(ByteSink& sink, const DeviceOpenParams& params);

}  // namespace devices
