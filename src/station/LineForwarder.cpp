// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/LineForwarder.h"

namespace tessaro::station {

LineForwarder::LineForwarder(Receiver receiver)
    : std::ostream(nullptr), buffer_(std::move(receiver)) {
    rdbuf(&buffer_);
}

LineForwarder::~LineForwarder() {
    try {
        buffer_.flushPartial();
    } catch (...) { // nowhere left to say it: the line is lost, not the program
    }
}

void LineForwarder::Buffer::put(char c) {
    if (c != '\n') {
        line_ += c;
        return;
    }
    if (receiver_) {
        receiver_(std::move(line_));
    }
    line_.clear();
}

void LineForwarder::Buffer::flushPartial() {
    if (!line_.empty()) {
        put('\n');
    }
}

LineForwarder::Buffer::int_type LineForwarder::Buffer::overflow(int_type c) {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        put(traits_type::to_char_type(c));
    }
    return traits_type::not_eof(c);
}

std::streamsize LineForwarder::Buffer::xsputn(const char* text, std::streamsize count) {
    for (std::streamsize i = 0; i < count; ++i) {
        put(text[i]);
    }
    return count;
}

} // namespace tessaro::station
