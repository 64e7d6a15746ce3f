// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user feedback of a printer unit, in English, and what its record keeps of it. On its
// stdout: the step texts, the notices and the result; on its stderr: every warning, refusal
// and failure, each once. Questions are answered by --yes or at the unit's console. With
// JSON output, stdout is the record's alone: the steps, notices and result are only kept for
// it, and a question is asked on stderr. stdout and stderr are the terminal's for the
// command line, or the streams a station gives a unit (station/FeedbackOutput.h).

#include "protocol/EnglishFeedback.h"
#include "station/FeedbackOutput.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tessaro::station {

class UnitFeedback final : public protocol::EnglishFeedback {
  public:
    UnitFeedback(bool assumeYes, FeedbackOutput output)
        : assumeYes_(assumeYes), out_(output.out), err_(output.err), console_(output.console) {}

    void message(link::MessageIcon icon, std::string_view text, std::string_view title) override;
    void warn(link::MessageIcon icon, std::string_view text) override;
    bool ask(std::string_view text) override;
    void setStatusPanels(const std::vector<std::string>& panels) override;
    void setPanelText(int panel, std::string_view text) override;
    void setDetectionResult(std::string_view text) override { result_ = text; }
    void setDetectionProgress(std::string_view text) override;
    void commandSent(std::string_view bytes) override { sent_.emplace_back(bytes); }
    // Told of every status panel text as it is set (a station shows the unit's steps).
    using PanelWatch = std::function<void(int panel, std::string_view text)>;
    void watchPanels(PanelWatch watch) { watch_ = std::move(watch); }
    // Told of every step of a search for the printer's speed, as showSearchStep has it.
    using SearchWatch = std::function<void(int step, int total, std::string_view text)>;
    void watchSearch(SearchWatch watch) { searchWatch_ = std::move(watch); }
    // Told of what goes to stderr instead of it, as the value it was worded from (a text given
    // as it is, as shown): a station shows it itself.
    using SaidWatch = std::function<void(const message::Message& said)>;
    void watchSaid(SaidWatch watch) { saidWatch_ = std::move(watch); }
    // A diagnostic given as a value, on stderr (or to the watch); not a failure of the unit.
    void diagnose(const message::Message& said);
    // Keeps stdout for a JSON record.
    void setJson(bool json) { json_ = json; }
    // Shows what the automatic search tries, on stderr as it goes: the search is slow. On a
    // console that rewrites lines (station/UnitConsole.h) its steps rewrite one line
    // (showSearchStep), elsewhere each text is a line of its own. Turning it off ends the rewritten
    // line.
    void showProgress(bool show);
    // The step under way, as "[3/20] Attempting to contact printer on COM 1 at 57600 bauds.".
    void showSearchStep(int step, int total, std::string_view text);

    // Holds notices back until flushNotices(), so that a result line can come first.
    void holdNotices(bool hold) { hold_ = hold; }
    // Prints the detection result line (unless a failure already said it on stderr), the
    // printer's panels when found, then the notices held back but the one equal to it.
    void printDetection(bool found);
    // Whether questions can be answered: --yes, or a console to ask at.
    bool canAsk() const;

    // A failure or refusal of the command line itself, on stderr (once).
    void error(std::string_view text);
    // stdout and stderr as this feedback has them, for a text printed as it is.
    std::ostream& out() { return out_; }
    std::ostream& err() { return err_; }

    const std::vector<std::string>& panels() const { return panels_; }
    const std::string& result() const { return result_; }
    // What went to stderr, and the notices, in order; the commands sent; whether the user
    // said no to a question.
    const std::vector<std::string>& errors() const { return errors_; }
    const std::vector<std::string>& notices() const { return notices_; }
    const std::vector<std::string>& sent() const { return sent_; }
    bool declined() const { return declined_; }

  private:
    void notice(std::string_view text);
    void drawSearchLine() const;

    bool assumeYes_;
    std::ostream& out_;
    std::ostream& err_;
    UnitConsole* console_; // none: no question is answered but by --yes, no line rewritten
    bool json_ = false;
    bool declined_ = false;
    bool hold_ = false;
    bool progress_ = false;
    bool progressLine_ = false; // progress_ with cursor codes: one line rewritten
    std::string searchLine_;    // that line, "" until a step is shown
    std::vector<std::string> held_;
    std::vector<std::string> panels_;
    std::string result_;
    std::set<std::string, std::less<>> said_; // what went to stderr
    std::vector<std::string> errors_;
    std::vector<std::string> notices_;
    std::vector<std::string> sent_;
    PanelWatch watch_;
    SearchWatch searchWatch_;
    SaidWatch saidWatch_;
};

} // namespace tessaro::station
