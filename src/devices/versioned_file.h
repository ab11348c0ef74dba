// Opening the file of a device that picks its own version name (PDF, WMF, SVG).
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

}  // namespace devices
