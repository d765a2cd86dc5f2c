// Captures what the code under test writes to std::cout, and where it flushed.
#pragma once

#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

class TraceCapture : public std::streambuf {
  public:
    TraceCapture() : previous_(std::cout.rdbuf(this)) {}
    ~TraceCapture() override { std::cout.rdbuf(previous_); }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    const std::string& text() const { return text_; }
    // Length of the text at the last flush; equals text().size() when the
    // last byte written was flushed.
    std::string::size_type flushedLength() const { return flushed_; }

  protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) {
            text_.push_back(traits_type::to_char_type(c));
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        text_.append(s, static_cast<std::string::size_type>(n));
        return n;
    }
    int sync() override {
        flushed_ = text_.size();
        return 0;
    }

  private:
    std::streambuf* previous_;
    std::string text_;
    std::string::size_type flushed_ = 0;
};
