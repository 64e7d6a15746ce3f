#pragma once
#include <string>
#include <string_view>

namespace tessaro::cli {

// Message texts join their lines with CR LF or a lone CR; a terminal wants "\n".
std::string terminalText(std::string_view text);

} // namespace tessaro::cli
