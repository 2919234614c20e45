#include <gtest/gtest.h>

#include <filesystem>

#include "engine/session.h"

namespace tervala {

TEST(DataSet, StartsInTheCurrentFolderWithNothingElseSet) {
    Session s;
    EXPECT_EQ(s.DMOmbrel.FileName, std::filesystem::current_path().string());
    EXPECT_EQ(s.DMOmbrel.NrOfData, 0);
    EXPECT_FALSE(s.DMOmbrel.DischargeMode || s.DMOmbrel.HeadMode || s.DMOmbrel.PredictionMode);
    EXPECT_EQ(s.Values.MCoeff, 0.0);
}

}  // namespace tervala
