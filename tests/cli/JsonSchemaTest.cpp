// SPDX-License-Identifier: GPL-3.0-or-later
// Every --json document follows the tables of docs/json.md: the same keys, and values of the
// types written there. Every table is some document's.

#include "cli/CliRunner.h"
#include "message/MessageTable.h"
#include "support/JsonLines.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace tessaro::test {
namespace {

// schema name -> key -> the types allowed ("string", "null", ...)
using Schemas = std::map<std::string, std::map<std::string, std::set<std::string>>>;

// The tables that follow a "<!-- schema: NAME -->" line, rows "| `key` | type, type | ... |".
Schemas readSchemas() {
    std::istringstream doc(readFile(TESSARO_SOURCE_DIR "/docs/json.md"));
    const std::regex marker(R"(<!-- schema: (\w+) -->)");
    const std::regex row(R"(^\| `(\w+)` \| ([a-z, ]+) \|)");
    Schemas schemas;
    std::string current;
    for (std::string line; std::getline(doc, line);) {
        std::smatch match;
        if (std::regex_search(line, match, marker)) {
            current = match[1];
        } else if (line.empty() && !schemas[current].empty()) {
            current.clear();
        } else if (!current.empty() && std::regex_search(line, match, row)) {
            std::set<std::string> types;
            std::istringstream list(match[2].str());
            for (std::string type; std::getline(list >> std::ws, type, ',');) {
                types.insert(type);
            }
            schemas[current][match[1]] = types;
        }
    }
    return schemas;
}

std::string typeOf(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return "null";
    case QJsonValue::Bool:
        return "boolean";
    case QJsonValue::Double:
        return value.toDouble() == static_cast<double>(value.toInteger()) ? "integer" : "number";
    case QJsonValue::String:
        return "string";
    case QJsonValue::Array:
        return "array";
    case QJsonValue::Object:
        return "object";
    case QJsonValue::Undefined:
        break;
    }
    return "undefined";
}

QJsonObject parse(const std::string& line) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    EXPECT_TRUE(doc.isObject()) << line;
    return doc.object();
}

class JsonSchema : public ::testing::Test {
  protected:
    // The object has exactly the keys of its table, each of an allowed type ("integer" is a
    // "number" too).
    void expectSchema(const QJsonObject& object, const std::string& name,
                      const std::vector<std::string>& extra = {}) {
        auto table = schemas_.at(name);
        for (const std::string& more : extra) {
            const auto& rows = schemas_.at(more);
            table.insert(rows.begin(), rows.end());
        }
        std::set<std::string> expected;
        for (const auto& [key, types] : table) {
            expected.insert(key);
        }
        std::set<std::string> actual;
        for (const QString& key : object.keys()) {
            actual.insert(key.toStdString());
        }
        EXPECT_EQ(actual, expected) << name;
        for (const auto& [key, types] : table) {
            std::string type = typeOf(object.value(QString::fromStdString(key)));
            if (type == "integer" && !types.contains("integer")) {
                type = "number";
            }
            EXPECT_TRUE(types.contains(type)) << name << "." << key << " is " << type;
        }
    }

    // The single document a subcommand printed.
    QJsonObject document(const CliResult& r) {
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
        return parse(r.out.substr(0, r.out.find('\n')));
    }

    void expectUnit(const CliResult& r, const std::string& result) {
        const QJsonObject unit = document(r);
        expectSchema(unit, "unit");
        EXPECT_EQ(unit.value("result").toString().toStdString(), result) << r.out;
        if (unit.value("status").isObject()) {
            expectSchema(unit.value("status").toObject(), "status");
        }
    }

    Schemas schemas_ = readSchemas();
};

TEST_F(JsonSchema, PrinterCommandsGiveOneUnitRecord) {
    SimProcess sim({"--status", "0x24", "--time-limit", "60"}); // paper out, cutter failed
    const std::string port = sim.device();
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile);
    const auto log = dir / "audit.jsonl";

    expectUnit(runCli({"detect", "--port", port, "--json"}), "ok");
    const auto send = runCli(
        {"send", profile.string(), "--port", port, "--yes", "--json", "--log", log.string()});
    expectUnit(send, "ok");
    const QJsonObject unit = document(send);
    EXPECT_EQ(unit.value("identity").toString(), "R62 VIRTUAL PRN  V1.04");
    EXPECT_EQ(unit.value("model").toString(), "R62");
    EXPECT_EQ(unit.value("link").toString(), "serial");
    EXPECT_EQ(unit.value("speed").toInt(), 9600);
    EXPECT_TRUE(unit.value("speed_after").isNull()); // the profile keeps the speed
    EXPECT_EQ(unit.value("status_byte").toInt(), 0x24);
    EXPECT_EQ(unit.value("faults").toArray(), (QJsonArray{"paper_out", "cutter_fault"}));
    EXPECT_EQ(unit.value("sent").toArray(), (QJsonArray{"1D 4C 00", "1D 2F 09", "1B 73"}));
    EXPECT_EQ(unit.value("message").toString(), "Saving Sequence Successful !");
    // The fault is a warning, said once on stderr; the parameters were stored.
    EXPECT_EQ(send.status, 0);
    EXPECT_THAT(send.err, ::testing::HasSubstr("reports a fault: No Paper, Cutter failure"));

    const auto lines = readFile(log);
    ASSERT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1) << lines;
    const QJsonObject record = parse(lines.substr(0, lines.find('\n')));
    expectSchema(record, "unit", {"audit"});
    EXPECT_EQ(record.value("profile").toString().toStdString(), profile.string());
    EXPECT_EQ(record.value("profile_sha256").toString().size(), 64);

    expectUnit(runCli({"status", "--port", port, "--json"}), "printer_fault");
    expectUnit(runCli({"recover", "--port", port, "--yes", "--json"}), "ok");
    expectUnit(runCli({"detect", "--port", "/nonexistent/ttyUSB9", "--json"}), "port_absent");
    expectUnit(runCli({"send", (dir / "gone.pcf").string(), "--port", port, "--json", "--yes"}),
               "file_error");

    // A station's units, then its summary.
    const auto station =
        jsonLines(runCli({"provision", profile.string(), "--port", port, "--yes", "--json"}).out);
    ASSERT_EQ(station.size(), 2u);
    expectSchema(station[0], "unit");
    expectSchema(station[1], "summary");
    for (const auto& one : station[1].value("summary").toArray()) {
        expectSchema(one.toObject(), "summary_port");
    }
}

TEST_F(JsonSchema, ListingsFollowTheirTables) {
    const QJsonObject ports = document(runCli({"ports", "--json"}));
    expectSchema(ports, "ports");
    ASSERT_EQ(ports.value("ports").toArray().size(), 12);
    for (const auto& port : ports.value("ports").toArray()) {
        expectSchema(port.toObject(), "port");
    }

    const QJsonObject keys = document(runCli({"keys", "--json"}));
    expectSchema(keys, "keys");
    for (const auto& key : keys.value("keys").toArray()) {
        expectSchema(key.toObject(), "key");
    }

    TempDir dir;
    const auto profile = dir.write("job.pcf", "[Text and general commands]\r\nCharset=2\r\n");
    const auto diff = runCli({"diff", "factory", profile.string(), "--json"});
    EXPECT_EQ(diff.status, 1);
    const QJsonObject differences = document(diff);
    expectSchema(differences, "diff");
    ASSERT_EQ(differences.value("differences").toArray().size(), 1);
    expectSchema(differences.value("differences").toArray().first().toObject(), "difference");

    const QJsonObject show = document(runCli({"show", profile.string(), "--bytes", "--json"}));
    expectSchema(show, "show");
    EXPECT_EQ(show.value("values").toObject().value("Charset").toInt(), 2);
    EXPECT_EQ(show.value("commands").toArray().last().toString(), "1B 73");
}

// A run that stops before its output still answers --json with one document: a unit command
// with its record, every other subcommand with the refusal.
TEST_F(JsonSchema, ARunThatStopsEarlyStillPrintsOneDocument) {
    TempDir dir;
    const std::string gone = (dir / "gone.pcf").string();
    const std::string profile = dir.write("job.pcf", kProfile).string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> units{
        {{"send", profile, "--port", "COM1", "--speed", "1234", "--json"}, "bad_usage"},
        {{"status", "--json"}, "bad_usage"},
        {{"detect", "--json", "--bogus", "-pCOM2"}, "bad_usage"},
        {{"recover", "--port=COM3", "--handshake", "none", "--json"}, "bad_usage"},
    };
    for (const auto& [arguments, result] : units) {
        const auto r = runCli(arguments, {"TESSARO_PORT="});
        EXPECT_EQ(r.status, 2) << r.err;
        expectUnit(r, result);
    }
    EXPECT_EQ(document(runCli(units[2].first)).value("port").toString(), "COM2");
    EXPECT_EQ(document(runCli(units[3].first)).value("port").toString(), "COM3");

    const std::vector<std::pair<std::vector<std::string>, std::string>> others{
        {{"show", gone, "--json"}, "file_error"},
        {{"show", "--set", "Nokey=1", "--json"}, "bad_usage"},
        {{"show", "--json", "--save", (dir / "no" / "x.pcf").string(), "--set", "Charset=2"},
         "file_error"},
        {{"diff", "factory", gone, "--json"}, "file_error"},
        {{"provision", gone, "--port", "COM1", "--yes", "--json"}, "file_error"},
        {{"provision", profile, "--port", "COM1", "--port", "COM1", "--yes", "--json"},
         "bad_usage"},
        {{"provision", profile, "--port", "COM1", "--json"}, "bad_usage"}, // no --yes, no tty
        {{"ports", "--json", "--x"}, "bad_usage"},
        {{"keys", "extra", "--json"}, "bad_usage"},
        {{"--json"}, "bad_usage"},
    };
    for (const auto& [arguments, result] : others) {
        const auto r = runCli(arguments);
        EXPECT_EQ(r.status, 2) << arguments.front() << ": " << r.err;
        const QJsonObject refusal = document(r);
        expectSchema(refusal, "refusal");
        EXPECT_EQ(refusal.value("result").toString().toStdString(), result) << r.out;
        // What stdout says, stderr said once.
        const std::string message = refusal.value("message").toString().toStdString();
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(r.err.find(message), r.err.rfind(message)) << r.err;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    EXPECT_EQ(document(runCli(others[0].first)).value("message_id").toString(), "cannot_read_file");
    // Help is no refusal.
    const auto help = runCli({"show", "--help", "--json"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, ::testing::HasSubstr("Usage:"));
    EXPECT_THAT(help.out, ::testing::Not(::testing::HasSubstr("\"result\"")));
}

// The list of message ids in docs/json.md is the table's: every id a record can name, and no
// other.
TEST(MessageIds, TheDocumentedListIsTheTable) {
    const std::string doc = readFile(TESSARO_SOURCE_DIR "/docs/json.md");
    const std::string start = "<!-- message ids -->";
    const std::size_t from = doc.find(start);
    ASSERT_NE(from, std::string::npos);
    std::set<std::string> listed;
    const std::regex row(R"(^\| `([a-z0-9_]+)` \|)");
    std::istringstream lines(doc.substr(from, doc.find("\n## ", from) - from));
    for (std::string line; std::getline(lines, line);) {
        if (std::smatch found; std::regex_search(line, found, row)) {
            listed.insert(found[1]);
        }
    }
    std::set<std::string> named{"system_error"};
    for (int i = 0; i < message::kMessageIdCount; ++i) {
        const auto id = static_cast<message::MessageId>(i);
        // A frame that only joins others ("%1: %2") takes the id of what it frames.
        const bool joins = !std::regex_search(
            std::regex_replace(message::textOf(id).english, std::regex("%[1-9]"), ""),
            std::regex("[A-Za-z]"));
        if (const std::string_view word = message::messageWord({id, {}}); !word.empty() && !joins) {
            named.insert(std::string(word));
        }
    }
    std::vector<std::string> unlisted;
    std::ranges::set_difference(named, listed, std::back_inserter(unlisted));
    std::vector<std::string> unknown;
    std::ranges::set_difference(listed, named, std::back_inserter(unknown));
    EXPECT_THAT(unlisted, ::testing::IsEmpty());
    EXPECT_THAT(unknown, ::testing::IsEmpty());
}

} // namespace
} // namespace tessaro::test
