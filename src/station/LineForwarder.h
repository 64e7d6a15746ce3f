// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An output stream that hands each line written to it, without its line break, to a
// function: a worker's diagnostics reach the thread that prints them a whole line at a time.
// A last line without its break is handed over when the stream goes. Without a function,
// what is written is dropped.

#include <functional>
#include <ostream>
#include <streambuf>
#include <string>

namespace tessaro::station {

class LineForwarder final : public std::ostream {
  public:
    using Receiver = std::function<void(std::string line)>;

    explicit LineForwarder(Receiver receiver = {});
    LineForwarder(const LineForwarder&) = delete;
    LineForwarder& operator=(const LineForwarder&) = delete;
    ~LineForwarder() override;

  private:
    class Buffer final : public std::streambuf {
      public:
        explicit Buffer(Receiver receiver) : receiver_(std::move(receiver)) {}
        // Hands over a line left without its break.
        void flushPartial();

      protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* text, std::streamsize count) override;

      private:
        void put(char c);

        Receiver receiver_;
        std::string line_;
    };

    Buffer buffer_;
};

} // namespace tessaro::station
