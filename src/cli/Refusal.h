// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A subcommand that stops before its own output: why is said once on stderr and, with
// --json, standard output still carries one JSON document. A printer command's is its unit
// record; every other subcommand's is {"result", "message", "message_id"}.

#include "message/Message.h"
#include "station/Outcome.h"

#include <CLI/CLI.hpp>
#include <QJsonObject>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::cli {

// The document of a subcommand that stopped: the outcome's word, the text as the terminal
// says it, and the message's id (null for a text of the command line's own).
QJsonObject refusalJson(station::Outcome outcome, std::string_view text,
                        std::string_view messageId = {});

// Says text on stderr, prints the refusal's document with --json; the exit status.
int refuse(bool json, station::Outcome outcome, std::string_view text,
           std::string_view messageId = {});
int refuse(bool json, station::Outcome outcome, const message::Message& said);

// After the argument parser refused the command line (error is its text, already said): with
// --json among the arguments, prints the document the subcommand's run would have printed,
// bad usage. A unit command's record names the port given with --port or TESSARO_PORT.
void printParseRefusal(const CLI::App& app, const std::vector<std::string>& arguments,
                       std::string_view error, const std::vector<const CLI::App*>& unitCommands);

} // namespace tessaro::cli
