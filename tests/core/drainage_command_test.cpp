// "tervala-batch drainage" run as an engineer's script runs it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class DrainageCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("tervala_drainage_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    Outcome Run(const std::string& arguments) {
        const fs::path out = dir / "stdout.txt", err = dir / "stderr.txt";
        const std::string command = std::string("'") + TERVALA_BATCH + "' drainage " + arguments +
                                    " >'" + out.string() + "' 2>'" + err.string() + "'";
        Outcome o;
        const int status = std::system(command.c_str());
        o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        o.out = Read(out);
        o.err = Read(err);
        return o;
    }

    fs::path dir;
};

TEST_F(DrainageCommand, ShallowWorkedExample) {
    Outcome o = Run("--ka 1 --kb 1 --depth 5 --perimeter 0.5 --porosity 5 --spacing 50");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, "M = 0.03200\nN = 0.20173\n");
    EXPECT_EQ(o.err, "");
}

TEST_F(DrainageCommand, DeepWorkedExampleWithCommaDecimals) {
    Outcome o = Run("--ka 1 --kb 1 --depth 10 --perimeter 0,5 --porosity 5 --spacing 50");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, "M = 0.03200\nN = 0.25347\n");
}

TEST_F(DrainageCommand, FieldChecksRefuseWithTheCalculatorsMessages) {
    Outcome o = Run("--ka=-1 --kb 1 --depth 5 --perimeter 0.5 --porosity 5 --spacing 50");
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err, "Ka should be greater than zero\n");
    EXPECT_EQ(o.out, "");
    o = Run("--ka 1 --kb 1 --depth 5 --perimeter 0.5 --porosity 0.5 --spacing 50");
    EXPECT_EQ(o.err, "P should be greater than 1%\n");
    o = Run("--ka 1 --kb 1 --depth 5 --perimeter 0.5 --porosity 31 --spacing 50");
    EXPECT_EQ(o.err, "P should be less than 30%\n");
    o = Run("--ka 1 --kb 1 --depth 0 --perimeter 0.5 --porosity 5 --spacing 50");
    EXPECT_EQ(o.err, "D should be greater than zero\n");
}

TEST_F(DrainageCommand, CompletenessRefusesZeroConductivityAndPorosityThirty) {
    Outcome o = Run("--ka 0 --kb 1 --depth 5 --perimeter 0.5 --porosity 5 --spacing 50");
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err, "One or more data values are incorrect\n");
    o = Run("--ka 1 --kb 1 --depth 5 --perimeter 0.5 --porosity 30 --spacing 50");
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err, "One or more data values are incorrect\n");
}

TEST_F(DrainageCommand, NotANumber) {
    Outcome o = Run("--ka one --kb 1 --depth 5 --perimeter 0.5 --porosity 5 --spacing 50");
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_EQ(o.err, "'one' is not a valid floating point value\n");
}

TEST_F(DrainageCommand, MissingQuantityIsAUsageError) {
    Outcome o = Run("--ka 1 --kb 1 --depth 5 --perimeter 0.5 --porosity 5");
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_NE(o.err.find("--spacing"), std::string::npos);
}

TEST_F(DrainageCommand, UnwritableParameterFileIsAFileError) {
    Outcome o = Run("--ka 1 --kb 1 --depth 5 --perimeter 0.5 --porosity 5 --spacing 50 --par '" +
                    (dir / "missing" / "field.par").string() + "'");
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_EQ(o.out, "M = 0.03200\nN = 0.20173\n");
    EXPECT_NE(o.err, "");
}

TEST_F(DrainageCommand, WritesTheParameterFileOnRequest) {
    const fs::path par = dir / "field.par";
    Outcome o = Run("--ka 1 --kb 1 --depth 5 --perimeter 0.5 --porosity 5 --spacing 250 --par '" +
                    par.string() + "'");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(Read(par),
              " Hydraulic conductivity above drain level (Ka, m/day)  1.00\r\n"
              " Hydraulic conductivity below drain level (Kb, m/day)  1.00\r\n"
              " Depth of soil layer below drain level (D=D1-Dd, m)    5.00\r\n"
              " Wet perimeter of drain or ditch (U, m)                0.50\r\n"
              " Drainable (effective) porosity of top soil (P, %)     5.00\r\n"
              " Drain spacing (L, m)                                250.00\r\n");
}

}  // namespace
