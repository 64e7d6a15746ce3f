// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/UnitFeedback.h"

#include "message/English.h"
#include "message/ShownText.h"

namespace tessaro::station {

void UnitFeedback::message(link::MessageIcon icon, std::string_view text, std::string_view) {
    if (icon == link::MessageIcon::Information || icon == link::MessageIcon::Question) {
        notice(text);
    } else {
        error(text);
    }
}

void UnitFeedback::warn(link::MessageIcon, std::string_view text) {
    error(text);
}

void UnitFeedback::error(std::string_view text) {
    if (said_.insert(std::string(text)).second) {
        errors_.emplace_back(text);
        if (saidWatch_) {
            saidWatch_(valueOf(text).value_or(message::Message::shown(std::string(text))));
            return;
        }
        if (!searchLine_.empty()) {
            console_->clearLine(err_); // the search's line makes way, and comes back below
        }
        err_ << message::shownText(text) << std::endl;
        if (!searchLine_.empty()) {
            drawSearchLine();
        }
    }
}

void UnitFeedback::diagnose(const message::Message& said) {
    if (saidWatch_) {
        saidWatch_(said);
    } else {
        err_ << message::english(said) << "\n";
    }
}

void UnitFeedback::notice(std::string_view text) {
    notices_.emplace_back(text);
    if (json_) {
        return;
    }
    if (hold_) {
        held_.emplace_back(text);
    } else {
        out_ << message::shownText(text) << std::endl;
    }
}

void UnitFeedback::printDetection(bool found) {
    if (json_) {
        held_.clear();
        hold_ = false;
        return;
    }
    if (!result_.empty() && !said_.contains(result_)) {
        out_ << message::oneLine(result_) << "\n";
    }
    if (found) {
        for (std::size_t i = 0; i + 1 < panels_.size(); ++i) {
            out_ << message::oneLine(panels_[i]) << "\n";
        }
    }
    for (const auto& notice : held_) {
        if (notice != result_) {
            out_ << message::shownText(notice) << "\n";
        }
    }
    held_.clear();
    hold_ = false;
    out_.flush();
}

bool UnitFeedback::canAsk() const {
    return assumeYes_ || (console_ != nullptr && console_->canAnswer());
}

bool UnitFeedback::ask(std::string_view text) {
    std::ostream& out = json_ ? err_ : out_;
    if (assumeYes_) {
        if (!json_) {
            out << message::shownText(text) << " [y/N] y (--yes)" << std::endl;
        }
        return true;
    }
    out << message::shownText(text) << " [y/N] " << std::flush;
    const std::optional<std::string> typed =
        console_ != nullptr ? console_->answer() : std::nullopt;
    if (!typed) {
        out << std::endl;
        declined_ = true;
        return false;
    }
    const std::string& answer = *typed;
    declined_ = answer.empty() || (answer[0] != 'y' && answer[0] != 'Y');
    return !declined_;
}

void UnitFeedback::setStatusPanels(const std::vector<std::string>& panels) {
    panels_ = panels;
    if (watch_) {
        for (std::size_t i = 0; i < panels.size(); ++i) {
            watch_(static_cast<int>(i), panels[i]);
        }
    }
}

void UnitFeedback::setPanelText(int panel, std::string_view text) {
    if (watch_) {
        watch_(panel, text);
    }
    if (panel >= 0 && static_cast<std::size_t>(panel) < panels_.size()) {
        panels_[static_cast<std::size_t>(panel)] = std::string(text);
    }
    if (!text.empty() && !json_) {
        out_ << message::oneLine(text) << std::endl;
    }
}

void UnitFeedback::setDetectionProgress(std::string_view text) {
    if (progress_ && !progressLine_) {
        err_ << message::oneLine(text) << std::endl;
    }
}

void UnitFeedback::showProgress(bool show) {
    if (!show && !searchLine_.empty()) {
        err_ << "\n" << std::flush;
        searchLine_.clear();
    }
    progress_ = show;
    progressLine_ = show && console_ != nullptr && console_->rewritesLines();
}

void UnitFeedback::showSearchStep(int step, int total, std::string_view text) {
    if (searchWatch_) {
        searchWatch_(step, total, text);
    }
    if (!progressLine_) {
        return;
    }
    searchLine_ =
        "[" + std::to_string(step) + "/" + std::to_string(total) + "] " + message::oneLine(text);
    // A line wider than the terminal would wrap, and the carriage return would rewrite only
    // its last part.
    if (const std::size_t width = console_->lineWidth(); width > 1 && searchLine_.size() >= width) {
        searchLine_.resize(width - 1U);
    }
    drawSearchLine();
}

void UnitFeedback::drawSearchLine() const {
    console_->drawLine(err_, searchLine_);
}

} // namespace tessaro::station
