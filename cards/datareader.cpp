#include "cards/datareader.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/hge.h"

DataReader::DataReader(std::string fileName, std::string text)
    : fileName_(std::move(fileName)), text_(std::move(text)), in_(text_) {}

int DataReader::lineNumber() {
    // tellg fails on a stream at its end; look without disturbing the stream's state.
    const std::ios::iostate state = in_.rdstate();
    in_.clear();
    std::streamoff pos = in_.tellg();
    in_.clear(state);
    if (pos < 0) pos = static_cast<std::streamoff>(text_.size());
    auto at = static_cast<std::size_t>(pos);
    while (at < text_.size() && std::isspace(static_cast<unsigned char>(text_[at]))) ++at;
    // Reading mostly moves forward: count only the line breaks passed since the last call,
    // so asking once per row stays linear in the file's length.
    if (at < countedTo_) countedTo_ = linesBefore_ = 0;
    const auto from = text_.begin() + static_cast<std::ptrdiff_t>(countedTo_);
    linesBefore_ += std::count(from, text_.begin() + static_cast<std::ptrdiff_t>(at), '\n');
    countedTo_ = at;
    return 1 + static_cast<int>(linesBefore_);
}

void DataReader::fail(const std::string& what) {
    if (!ok_) return;
    failure_ = fileName_ + " line " + std::to_string(lineNumber()) + ": " + what;
    hge->System_Log("%s; the rest of the file is not read.", failure_.c_str());
    ok_ = false;
}

void DataReader::warn(int line, const std::string& what) {
    hge->System_Log("%s line %d: %s.", fileName_.c_str(), line, what.c_str());
}

void DataReader::label() {
    if (!ok_) return;
    std::string word;
    if (!(in_ >> word)) {
        in_.clear();
        fail("the file ends early");
    }
}

template <class T>
void DataReader::readNumber(T& out) {
    if (!ok_) return;
    const std::streamoff before = in_.tellg();
    T value{};
    if (in_ >> value) {
        out = value;
        return;
    }
    const bool atEof = in_.eof();
    in_.clear();
    in_.seekg(before);
    if (atEof) {
        fail("the file ends early");
        return;
    }
    std::string word;
    in_ >> word;
    in_.clear();
    in_.seekg(before);
    fail("\"" + word + "\" is not a number");
}

void DataReader::number(int& out) { readNumber(out); }
void DataReader::number(float& out) { readNumber(out); }

void DataReader::skip() {
    if (!ok_) return;
    const int c = in_.get();
    if (c == '\n' || c == std::char_traits<char>::eof()) {
        in_.clear(in_.rdstate() & ~std::ios::failbit);
        return;
    }
    // Anything else here (a CR, a trailing blank) ends up inside the next text line.
    if (!badSkipReported_) {
        badSkipReported_ = true;
        hge->System_Log("%s line %d: a number line does not end right after its last number (use LF line endings, "
                        "no trailing blanks).",
                        fileName_.c_str(), lineNumber());
    }
}

void DataReader::line(std::string& out, std::size_t limit, const char* what) {
    if (!ok_) return;
    const std::streamoff before = in_.tellg();
    std::string text;
    if (!std::getline(in_, text)) {
        in_.clear();
        fail("the file ends early");
        return;
    }
    if (limit > 0 && text.size() > limit) {
        // Point the log at the offending line, not the one after it.
        in_.clear();
        in_.seekg(before);
        fail(std::string(what) + " is " + std::to_string(text.size()) + " characters long, more than " +
             std::to_string(limit));
        return;
    }
    out = std::move(text);
}

bool DataReader::atEnd() {
    if (!ok_) return true;
    in_ >> std::ws;
    if (in_.eof()) {
        in_.clear(in_.rdstate() & ~std::ios::failbit);
        return true;
    }
    return false;
}
