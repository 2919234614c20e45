#include "model/text_reader.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace tervala {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

TextReader::TextReader(std::string text) : text_(std::move(text)) {}

bool TextReader::AtLineEnd() const { return AtEnd() || text_[pos_] == '\n' || text_[pos_] == '\r'; }

std::string TextReader::TakeChars(std::size_t count) {
    std::string taken;
    while (taken.size() < count && !AtLineEnd()) taken += text_[pos_++];
    return taken;
}

std::string TextReader::ReadLine() {
    std::string line;
    while (!AtLineEnd()) line += text_[pos_++];
    SkipLine();
    return line;
}

void TextReader::SkipLine() {
    while (!AtLineEnd()) ++pos_;
    if (AtEnd()) return;
    if (text_[pos_] == '\r') {
        ++pos_;
        if (!AtEnd() && text_[pos_] == '\n') ++pos_;
    } else {
        ++pos_;
    }
}

void TextReader::SkipLines(int count) {
    for (int i = 0; i < count; ++i) SkipLine();
}

std::optional<int> TextReader::FindMarker(const std::string& marker) {
    int passed = 0;
    while (!AtEnd()) {
        std::string start = TakeChars(4);
        SkipLine();
        ++passed;
        if (start == marker) return passed;
    }
    return std::nullopt;
}

TextReader::LineCount TextReader::CountLinesToEnd() {
    LineCount count;
    while (!AtEnd()) {
        std::string line = ReadLine();
        ++count.lines;
        if (line.find_first_not_of(" \t") != std::string::npos) count.linesToLastText = count.lines;
    }
    return count;
}

std::string TextReader::ReadToken() {
    while (!AtEnd() && (IsBlank(text_[pos_]) || text_[pos_] == '\n' || text_[pos_] == '\r')) {
        ++pos_;
    }
    std::string token;
    while (!AtLineEnd() && !IsBlank(text_[pos_])) token += text_[pos_++];
    return token;
}

std::optional<double> TextReader::ReadReal() {
    std::string token = ReadToken();
    if (token.empty()) return std::nullopt;
    // from_chars takes no plus sign, and would take "inf" and "nan": a report
    // number is an optional sign followed by digits or a decimal point.
    std::size_t start = 0;
    bool negative = false;
    if (token[0] == '+' || token[0] == '-') {
        negative = token[0] == '-';
        start = 1;
    }
    if (start >= token.size()) return std::nullopt;
    char first = token[start];
    if (!(first == '.' || (first >= '0' && first <= '9'))) return std::nullopt;
    double value = 0;
    const char* begin = token.data() + start;
    const char* end = token.data() + token.size();
    auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> TextReader::ReadInteger() {
    std::string token = ReadToken();
    if (token.empty()) return std::nullopt;
    std::size_t start = (token[0] == '+' || token[0] == '-') ? 1 : 0;
    if (start >= token.size()) return std::nullopt;
    for (std::size_t i = start; i < token.size(); ++i) {
        if (token[i] < '0' || token[i] > '9') return std::nullopt;
    }
    long long value = 0;
    auto [ptr, ec] = std::from_chars(token.data() + start, token.data() + token.size(), value);
    if (ec != std::errc() || ptr != token.data() + token.size()) return std::nullopt;
    if (token[0] == '-') value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace tervala
