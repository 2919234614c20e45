// Reading primitives of the graph readers: character counts, markers, line
// counts and free-format numbers.
#include "model/text_reader.h"

#include <gtest/gtest.h>

namespace tervala {

TEST(TextReader, TakesAtMostTheRestOfTheLineAndStaysOnIt) {
    TextReader r("ab\ncdefgh\n");
    EXPECT_EQ(r.TakeChars(4), "ab");
    EXPECT_EQ(r.TakeChars(4), "");  // still at the end of line 1
    r.SkipLine();
    EXPECT_EQ(r.TakeChars(4), "cdef");
    EXPECT_EQ(r.TakeChars(4), "gh");
    r.SkipLine();
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.TakeChars(4), "");
}

TEST(TextReader, AcceptsCrLfLfAndCrLineBreaks) {
    TextReader r("one\r\ntwo\nthree\rfour");
    EXPECT_EQ(r.ReadLine(), "one");
    EXPECT_EQ(r.ReadLine(), "two");
    EXPECT_EQ(r.ReadLine(), "three");
    EXPECT_EQ(r.ReadLine(), "four");
    EXPECT_TRUE(r.AtEnd());
}

TEST(TextReader, MarkerSearchPassesTheMarkerLineAndCountsLines) {
    TextReader r("THE RESULTS\nRECONSTRUCTION:\n-----\nrow\n");
    EXPECT_EQ(r.FindMarker("RECO"), 2);
    EXPECT_EQ(r.ReadLine(), "-----");
}

TEST(TextReader, MarkerSearchStopsAtTheEndOfTheText) {
    // Pins the endless search of a file without the marker.
    TextReader r("no marker\nin this file\n");
    EXPECT_EQ(r.FindMarker("PRED"), std::nullopt);
    EXPECT_TRUE(r.AtEnd());
    TextReader empty("");
    EXPECT_EQ(empty.FindMarker("PRED"), std::nullopt);
}

TEST(TextReader, CountsLinesToTheEndAndToTheLastLineWithText) {
    TextReader r("a\nb\n  \n\n");
    auto count = r.CountLinesToEnd();
    EXPECT_EQ(count.lines, 4);
    EXPECT_EQ(count.linesToLastText, 2);
    TextReader unterminated("a\nb");
    EXPECT_EQ(unterminated.CountLinesToEnd().lines, 2);
}

TEST(TextReader, ReadsFreeFormatNumbersAcrossBlanksAndLineBreaks) {
    TextReader r("  12.50  -0.0045\n\n   7 1.5E+0036 .5 +3\n");
    EXPECT_EQ(r.ReadReal(), 12.5);
    EXPECT_EQ(r.ReadReal(), -0.0045);
    EXPECT_EQ(r.ReadInteger(), 7);
    EXPECT_EQ(r.ReadReal(), 1.5e36);
    EXPECT_EQ(r.ReadReal(), 0.5);
    EXPECT_EQ(r.ReadReal(), 3.0);
    EXPECT_EQ(r.ReadReal(), std::nullopt);  // end of text
}

TEST(TextReader, RefusesTextsThatAreNoNumbers) {
    TextReader r("1,5 abc 2.5x nan inf 1e999 - ---- 3.0 99999999999");
    EXPECT_EQ(r.ReadReal(), std::nullopt);  // comma is no decimal point in a report
    EXPECT_EQ(r.ReadReal(), std::nullopt);
    EXPECT_EQ(r.ReadReal(), std::nullopt);
    EXPECT_EQ(r.ReadReal(), std::nullopt);
    EXPECT_EQ(r.ReadReal(), std::nullopt);
    EXPECT_EQ(r.ReadReal(), std::nullopt);  // beyond the range of a double
    EXPECT_EQ(r.ReadReal(), std::nullopt);
    EXPECT_EQ(r.ReadReal(), std::nullopt);
    EXPECT_EQ(r.ReadInteger(), std::nullopt);  // a serial number is whole
    EXPECT_EQ(r.ReadInteger(), std::nullopt);  // beyond 32 bits
}

}  // namespace tervala
