// Sequential reading of a plain-text report or fit file the way the graphs
// read them back: by line position, by fixed character counts taken from the
// current line, by four-character markers at the start of a line, and by
// free-format numbers ("." as decimal point). Lines may end with CR LF, LF or
// CR. Characters are bytes; the markers and numbers are plain ASCII.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tervala {

class TextReader {
  public:
    explicit TextReader(std::string text);

    // Back to the start of the text, as when the file is opened again.
    void Restart() { pos_ = 0; }
    // True when nothing is left to read.
    bool AtEnd() const { return pos_ >= text_.size(); }

    // At most `count` characters of the current line (fewer when the line ends
    // first); the reader stays on the line.
    std::string TakeChars(std::size_t count);
    // The rest of the current line; the reader moves to the start of the next.
    std::string ReadLine();
    // Skip the rest of the current line and its line break.
    void SkipLine();
    void SkipLines(int count);

    // Repeatedly take four characters and skip the line until those four
    // characters equal `marker`. The marker's line has been passed when the
    // search succeeds. The search stops at the end of the text: then nothing
    // is returned. On success the result is the number of lines passed, the
    // marker line included.
    std::optional<int> FindMarker(const std::string& marker);

    // The lines from here to the end of the text (a last line without a line
    // break counts). The reader ends at the end of the text.
    struct LineCount {
        int lines = 0;
        int linesToLastText = 0;  // lines up to the last one holding more than blanks
    };
    LineCount CountLinesToEnd();

    // Free-format number: blanks and line breaks before it are skipped; the
    // number ends at the next blank or line end. Nothing is returned when the
    // text is no number (or is not finite); the reader then stands after the
    // text it tried.
    std::optional<double> ReadReal();
    // As ReadReal, for a whole number (optional sign and digits only) that fits
    // a 32-bit integer.
    std::optional<int> ReadInteger();

  private:
    bool AtLineEnd() const;
    std::string ReadToken();

    std::string text_;
    std::size_t pos_ = 0;
};

}  // namespace tervala
