#pragma once
#include <string>

namespace tessaro::cli {

// The keys "show --set" takes, one line each: KEY=VALUES, then what the control sets, in what
// steps, and its factory value ("SliderMaxcurrent=1..32  Dynamic Division, Black Bytes
// (factory 5)"). The first field has no blanks, for scripts and shell completion.
std::string keyListing();

} // namespace tessaro::cli
