#pragma once
// The program's version, as the splash screen and the About window show it.

namespace tessaro::app {

inline constexpr char kVersion[] = "1.4";

} // namespace tessaro::app
