// Sequential reading of the program's text files the way they were laid out:
// whole lines, fixed character counts within a line, and number tokens. Lines
// may end with CR LF or LF. Every read stays within the current line, so a
// row that is cut short is noticed instead of borrowing from the next line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tervala {

class TextCursor {
  public:
    explicit TextCursor(const std::string& content);
    // The whole file, or nothing when it cannot be opened or read.
    static std::optional<TextCursor> FromFile(const std::string& path);

    // No line left to read.
    bool AtEnd() const { return line_ >= lines_.size(); }
    // Nothing left but blank lines (hand-edited files often end with some).
    bool OnlyBlankLinesLeft() const;
    // 1-based number of the current line.
    int LineNumber() const { return static_cast<int>(line_) + 1; }

    // The rest of the current line; the cursor moves to the next line.
    std::string ReadLine();
    void SkipLine() { (void)ReadLine(); }
    void SkipLines(int count);
    // Skips to the start of line `line` (from 1); nothing when already past it.
    void GoToLine(int line) { SkipLines(line - LineNumber()); }
    // Up to `count` characters of the current line (fewer at its end).
    std::string ReadChars(int count);
    void SkipChars(int count) { (void)ReadChars(count); }
    // The rest of the current line without moving to the next one.
    std::string PeekRest() const;

    // A token of the current line: leading blanks skipped, up to the next
    // blank or the line end. Nothing when the line holds no more tokens.
    std::optional<std::string> ReadToken();
    // A number token with "." as the only decimal point.
    std::optional<double> ReadReal();
    // A whole-number token.
    std::optional<int32_t> ReadInteger();

  private:
    const std::string* Current() const { return AtEnd() ? nullptr : &lines_[line_]; }

    std::vector<std::string> lines_;
    size_t line_ = 0;
    size_t column_ = 0;
};

}  // namespace tervala
