#include "engine/series_messages.h"

#include <filesystem>

namespace tervala {

namespace {

const char* const kRoleNames[kSeriesRoles] = {"time", "rain", "escape rate", "observed discharge"};
const char* const kRoleOptions[kSeriesRoles] = {"--time", "--rain", "--escape", "--observed"};

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) text += (i > 0 ? ", " : "") + items[i];
    return text;
}

std::string LinesText(const std::vector<int>& lines, int total) {
    std::vector<std::string> numbers;
    for (int line : lines) numbers.push_back(std::to_string(line));
    std::string text = Joined(numbers);
    if (static_cast<int>(lines.size()) < total) text += ", ...";
    return text;
}

std::string Option(SeriesRole role) { return kRoleOptions[static_cast<int>(role)]; }

std::string NoSuchColumnText(const ImportProblem& p, const std::string& file, Asker asker) {
    const std::string role = RoleName(p.Role);
    std::string text;
    if (!p.Cell.empty() && p.Cell.find_first_not_of("0123456789") == std::string::npos) {
        text = Quoted(file) + " has no column " + p.Cell + ": it has " + std::to_string(p.Columns) +
               ".";
    } else if (p.Header.empty()) {
        text = Quoted(file) + " has no header row naming its columns, and no column " +
               std::to_string(static_cast<int>(p.Role) + 1) + " for the " + role + ".";
    } else if (!p.Cell.empty()) {
        text = "No column of " + Quoted(file) + " is named " + Quoted(p.Cell) +
               ". Its columns are: " + Joined(p.Header) + ".";
    } else {
        text = "No column of " + Quoted(file) + " is named as a " + role +
               " column. Its columns are: " + Joined(p.Header) + ".";
    }
    if (asker == Asker::Batch)
        text += " Give the " + role + " column with " + Option(p.Role) +
                " COL, by its name or its number from 1.";
    return text;
}

std::string NoUsableRowsText(const ImportProblem& p, const std::string& file, Asker asker) {
    if (p.Rows == 0)
        return Quoted(file) + " holds no data rows" +
               (asker == Asker::Batch ? std::string(" (in the rows chosen with --rows).") : ".");
    const std::string role = RoleName(p.Role);
    std::string text =
        "No row of " + Quoted(file) + " holds every value needed: line " + std::to_string(p.Line);
    if (p.Cell.empty()) {
        text += " has no " + role + " value.";
    } else if (p.Role == SeriesRole::Time) {
        text += " has " + Quoted(p.Cell) +
                " as time, which is neither a number nor an ISO 8601 date (YYYY-MM-DD or "
                "YYYY-MM-DDThh:mm).";
    } else {
        text += " has " + Quoted(p.Cell) + " as " + role + ", which is no number.";
        if (p.Cell.find(',') != std::string::npos)
            text += " A file whose cells are separated by commas writes decimals with \".\".";
    }
    if (asker == Asker::Batch)
        text += " Check the columns chosen (--time, --rain, --escape, --observed) and --rows.";
    return text;
}

}  // namespace

std::string RoleName(SeriesRole role) { return kRoleNames[static_cast<int>(role)]; }

std::string ImportProblemText(const ImportProblem& p, const std::string& file, Asker asker) {
    switch (p.Kind) {
        case ImportRefusal::NotReadable:
            return SeriesFileNotReadText(file);
        case ImportRefusal::NoSuchColumn:
            return NoSuchColumnText(p, file, asker);
        case ImportRefusal::ColumnTwice:
            return "The " + RoleName(p.Role) + " and the " + RoleName(p.OtherRole) +
                   " would both be column " + std::to_string(p.Column) + " of " + Quoted(file) +
                   ". Give each series its own column" +
                   (asker == Asker::Batch ? " (--time, --rain, --escape, --observed)." : ".");
        case ImportRefusal::NoUsableRows:
            return NoUsableRowsText(p, file, asker);
        case ImportRefusal::NegativeValue:
            return "Line " + std::to_string(p.Line) + " of " + Quoted(file) + " has a negative " +
                   RoleName(p.Role) + " (" + p.Cell + "), and " + RoleName(p.Role) +
                   " cannot be negative. If the value marks a missing observation, empty the "
                   "cell: the row is then left out.";
        case ImportRefusal::TimesNotIncreasing:
            if (p.WrittenPrecision)
                return "The times on lines " + std::to_string(p.PreviousLine) + " and " +
                       std::to_string(p.Line) + " of " + Quoted(file) +
                       " are equal as the input file writes them (two decimals from 1 "
                       "upwards). Count the time in a smaller unit" +
                       (asker == Asker::Batch ? std::string(" (--time-unit hours for dates)")
                                              : "") +
                       ".";
            return "The time on line " + std::to_string(p.Line) + " of " + Quoted(file) +
                   " is not after the time on line " + std::to_string(p.PreviousLine) +
                   ": the times must increase. Sort the rows by time" +
                   (asker == Asker::Batch ? std::string(", or choose rows with --rows") : "") + ".";
        case ImportRefusal::TooManyRows:
            return Quoted(file) + " has " + std::to_string(p.Rows) + " usable rows; " +
                   (p.Limit == SeriesRowLimit(SeriesJob::Analysis) ? "an analysis"
                                                                   : "a prediction") +
                   " takes at most " + std::to_string(p.Limit) + ". Choose at most " +
                   std::to_string(p.Limit) +
                   " rows with --rows, for example --rows 1:" + std::to_string(p.Limit) + ".";
    }
    return {};
}

std::string KeepFirstRowsQuestion(const ImportProblem& p, const std::string& file) {
    return Quoted(file) + " has " + std::to_string(p.Rows) + " usable rows; " +
           (p.Limit == SeriesRowLimit(SeriesJob::Analysis) ? "an analysis" : "a prediction") +
           " takes at most " + std::to_string(p.Limit) + ". Import the first " +
           std::to_string(p.Limit) + " rows?";
}

std::string LeftOutText(const ImportedSeries& s, const std::string& file) {
    if (s.LeftOut == 0) return {};
    return std::to_string(s.LeftOut) + (s.LeftOut == 1 ? " row of " : " rows of ") + Quoted(file) +
           (s.LeftOut == 1 ? " was" : " were") +
           " left out for a missing or non-numeric value: line" + (s.LeftOut == 1 ? " " : "s ") +
           LinesText(s.LeftOutLines, s.LeftOut) + ".";
}

std::string ImportedTitle1(const std::string& file) {
    return "Series of " + std::filesystem::path(file).filename().string();
}

std::string ImportedTitle2(const ImportedSeries& s) {
    std::vector<std::string> names;
    for (const std::string& name : s.ColumnNames)
        if (!name.empty()) names.push_back(name);
    return "Lines " + std::to_string(s.FirstLine) + " to " + std::to_string(s.LastLine) + ": " +
           Joined(names);
}

std::string FieldDoneLine(int done, int total, const std::string& file, int exitCode,
                          const std::string& firstMessage) {
    // Built by appending: GCC 12 sees a false overlap (-Wrestrict) in a
    // literal added in front of a string.
    std::string line = "[";
    line += std::to_string(done) + "/" + std::to_string(total) + ", " +
            std::to_string(total - done) + " left] " + file + ": ";
    if (exitCode == 0) return line + "report written";
    line += "exit code " + std::to_string(exitCode);
    if (!firstMessage.empty()) line += ", " + firstMessage;
    return line;
}

}  // namespace tervala
