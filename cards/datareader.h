// Reads one game data file the way the data formats expect: whitespace-separated
// numbers behind one-word labels, a skip of the single line break after a number line,
// and whole-line reads with a length limit. The first malformed value stops the reading
// of the rest of the file (the tables keep what they had), and is reported once in the
// log with the file name and line number.
#pragma once

#include <cstddef>
#include <sstream>
#include <string>

class DataReader {
public:
    // Takes the whole text of `fileName` (already read) so errors can name their line.
    DataReader(std::string fileName, std::string text);

    // False once a read has failed; every later read then does nothing.
    bool ok() const { return ok_; }
    // "<file> line <n>: <what>" of the read that failed; empty while ok().
    const std::string& failure() const { return failure_; }

    // A word that names the value behind it; read and thrown away.
    void label();
    // Reads a number into `out`; `out` is left untouched when the value is malformed.
    void number(int& out);
    void number(float& out);
    // Consumes exactly one character: the line break ending a number line.
    void skip();
    // Reads the rest of the current line into `out`; with limit > 0 a longer line fails
    // the file. `what` names the field for the log.
    void line(std::string& out, std::size_t limit, const char* what);

    // True when only whitespace is left (or the file has failed): the end of a row loop.
    bool atEnd();

    // Stops the file and writes the one log line about it.
    void fail(const std::string& what);
    // Writes a log line about something on `line` that is dropped; reading goes on.
    void warn(int line, const std::string& what);

    // 1-based line of the next unread non-blank character.
    int lineNumber();

private:
    template <class T>
    void readNumber(T& out);

    std::string fileName_;
    std::string text_;
    std::istringstream in_;
    bool ok_ = true;
    std::string failure_;
    bool badSkipReported_ = false;
    // Line breaks before text_[countedTo_], kept by lineNumber.
    std::size_t countedTo_ = 0;
    std::ptrdiff_t linesBefore_ = 0;
};
