// Reading the program's text files line by line, by character count and by token.
#include "model/text_cursor.h"

#include <gtest/gtest.h>

#include "model/file_replace.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

TEST(TextCursor, CrLfAndLfLinesReadAlike) {
    for (const char* text : {"ab\r\nc d\r\n\r\nlast", "ab\nc d\n\nlast\n"}) {
        TextCursor t(text);
        EXPECT_EQ(t.ReadLine(), "ab");
        EXPECT_EQ(t.ReadChars(1), "c");
        EXPECT_EQ(t.ReadLine(), " d");
        EXPECT_EQ(t.ReadLine(), "");
        EXPECT_FALSE(t.AtEnd());
        EXPECT_EQ(t.ReadLine(), "last");
        EXPECT_TRUE(t.AtEnd());
        EXPECT_EQ(t.ReadLine(), "");  // reading past the end gives nothing
    }
}

TEST(TextCursor, CharacterCountsStopAtTheLineEnd) {
    TextCursor t("12345\r\nxyz\r\n");
    EXPECT_EQ(t.ReadChars(3), "123");
    EXPECT_EQ(t.ReadChars(12), "45");
    EXPECT_EQ(t.ReadChars(1), "");
    t.SkipLine();
    EXPECT_EQ(t.LineNumber(), 2);
    EXPECT_EQ(t.ReadChars(8), "xyz");
}

TEST(TextCursor, TokensStayWithinTheLine) {
    TextCursor t("    1  5.0E-0001      12.50\r\n    2\r\n");
    EXPECT_EQ(t.ReadInteger(), 1);
    EXPECT_EQ(t.ReadReal(), 0.5);
    EXPECT_EQ(t.ReadReal(), 12.5);
    EXPECT_FALSE(t.ReadReal().has_value());  // no borrowing from the next line
    t.SkipLine();
    EXPECT_EQ(t.ReadInteger(), 2);
}

TEST(TextCursor, TokensUseThePointOnly) {
    TextCursor t("2,5 1.5x 3 +4 1.0");
    EXPECT_FALSE(t.ReadReal().has_value());
    EXPECT_FALSE(t.ReadReal().has_value());
    EXPECT_EQ(t.ReadInteger(), 3);
    EXPECT_EQ(t.ReadInteger(), 4);
    EXPECT_FALSE(t.ReadInteger().has_value());
}

TEST(TextCursor, OnlyBlankLinesLeft) {
    TextCursor t("a\r\n  \r\n\r\n");
    EXPECT_FALSE(t.OnlyBlankLinesLeft());
    t.SkipLine();
    EXPECT_TRUE(t.OnlyBlankLinesLeft());
}

TEST(ReplaceFileContent, ReplacesAnExistingFileAndLeavesNothingElse) {
    testing::TempDir dir;
    const std::string file = dir.File("a.txt");
    testing::WriteBytes(file, "old contents that are longer");
    ASSERT_TRUE(ReplaceFileContent(file, "new\r\n"));
    EXPECT_EQ(testing::ReadBytes(file), "new\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);
    auto read = TextCursor::FromFile(file);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->ReadLine(), "new");
    EXPECT_FALSE(TextCursor::FromFile(dir.File("none.txt")).has_value());
    EXPECT_FALSE(TextCursor::FromFile(dir.path().string()).has_value());
}

}  // namespace
}  // namespace tervala
