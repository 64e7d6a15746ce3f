// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "keys": every key --set takes, with its kind, its values, its factory value and caption.

#include <CLI/CLI.hpp>

namespace tessaro::cli {

CLI::App* addKeysCommand(CLI::App& app, bool& json);
int runKeys(bool json);

} // namespace tessaro::cli
