// The library version printed by the protocol and the page header, and the patch
// level letter of the protocol.
#pragma once

namespace plotix {

inline constexpr float kVersion = 9.3f;
inline constexpr int kPatchLevel = 2;

}  // namespace plotix
