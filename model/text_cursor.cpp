#include "model/text_cursor.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/number_text.h"

namespace tervala {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

TextCursor::TextCursor(const std::string& content) {
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(std::move(line));
        start = end + 1;
    }
}

std::optional<TextCursor> TextCursor::FromFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;  // a folder reads as empty
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return TextCursor(content.str());
}

bool TextCursor::OnlyBlankLinesLeft() const {
    for (size_t i = line_; i < lines_.size(); ++i) {
        const std::string& l = lines_[i];
        size_t from = i == line_ ? column_ : 0;
        for (size_t c = from; c < l.size(); ++c) {
            if (!IsBlank(l[c])) return false;
        }
    }
    return true;
}

std::string TextCursor::ReadLine() {
    std::string rest = PeekRest();
    if (!AtEnd()) ++line_;
    column_ = 0;
    return rest;
}

void TextCursor::SkipLines(int count) {
    for (int i = 0; i < count; ++i) SkipLine();
}

std::string TextCursor::PeekRest() const {
    const std::string* l = Current();
    if (l == nullptr || column_ >= l->size()) return {};
    return l->substr(column_);
}

std::string TextCursor::ReadChars(int count) {
    const std::string* l = Current();
    if (l == nullptr || count <= 0 || column_ >= l->size()) return {};
    std::string read = l->substr(column_, static_cast<size_t>(count));
    column_ += read.size();
    return read;
}

std::optional<std::string> TextCursor::ReadToken() {
    const std::string* l = Current();
    if (l == nullptr) return std::nullopt;
    while (column_ < l->size() && IsBlank((*l)[column_])) ++column_;
    if (column_ >= l->size()) return std::nullopt;
    size_t start = column_;
    while (column_ < l->size() && !IsBlank((*l)[column_])) ++column_;
    return l->substr(start, column_ - start);
}

std::optional<double> TextCursor::ReadReal() {
    auto token = ReadToken();
    if (!token) return std::nullopt;
    return ParseFileNumber(*token);
}

std::optional<int32_t> TextCursor::ReadInteger() {
    auto token = ReadToken();
    if (!token) return std::nullopt;
    const char* first = token->data();
    const char* last = first + token->size();
    if (first != last && *first == '+') ++first;
    int32_t value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return value;
}

}  // namespace tervala
