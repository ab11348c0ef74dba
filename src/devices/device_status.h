// The status numbers a device reports from open and close. They are the plotting
// library's warning numbers, so the library prints the matching message as it is.
#pragma once

namespace devices {

inline constexpr int kStatusOk = 0;
inline constexpr int kStatusFileError = 36;       // the file cannot be opened, written or closed
inline constexpr int kStatusNoMemory = 53;        // an allocation failed
inline constexpr int kStatusNoFreeVersion = 170;  // all 9999 version names of the file are taken

}  // namespace devices
