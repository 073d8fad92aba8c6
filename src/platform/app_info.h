#pragma once
// The program's name and version as the user sees them.

namespace molvane {

inline constexpr const char* kApplicationName = "Molvane";
inline constexpr const char* kApplicationVersion = "0.1.0";

} // namespace molvane
