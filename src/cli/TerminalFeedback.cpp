#include "cli/TerminalFeedback.h"

#include "cli/TerminalText.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace tessaro::cli {

void TerminalFeedback::message(link::MessageIcon icon, std::string_view text, std::string_view) {
    const std::string shown = terminalText(text);
    if (icon == link::MessageIcon::Information || icon == link::MessageIcon::Question) {
        if (hold_) {
            held_.push_back(shown);
        } else {
            std::cout << shown << std::endl;
        }
    } else {
        std::cerr << shown << std::endl;
    }
}

void TerminalFeedback::flushNotices(std::string_view skip) {
    for (const auto& notice : held_) {
        if (notice != skip) {
            std::cout << notice << "\n";
        }
    }
    held_.clear();
    hold_ = false;
    std::cout.flush();
}

bool TerminalFeedback::canAsk() const {
    return assumeYes_ || ::isatty(STDIN_FILENO) != 0;
}

bool TerminalFeedback::ask(std::string_view text) {
    std::cout << terminalText(text) << " [y/N] " << std::flush;
    if (assumeYes_) {
        std::cout << "y (--yes)" << std::endl;
        return true;
    }
    std::string answer;
    if (!canAsk() || !std::getline(std::cin, answer)) {
        std::cout << std::endl;
        return false;
    }
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

void TerminalFeedback::setPanelText(int panel, std::string_view text) {
    if (panel >= 0 && static_cast<std::size_t>(panel) < panels_.size()) {
        panels_[static_cast<std::size_t>(panel)] = std::string(text);
    }
    if (!text.empty()) {
        std::cout << text << std::endl;
    }
}

} // namespace tessaro::cli

namespace tessaro::cli {

void TerminalFeedback::setDetectionResult(std::string_view text) {
    result_ = text;
    if (progress_) {
        std::cerr << text << std::endl;
    }
}

} // namespace tessaro::cli
