// The example files under Data/ that a new user opens first: each reads
// without a message, in its mode, with sensible values.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "engine/first_reservoir.h"
#include "engine/session.h"
#include "model/input_file.h"
#include "tests/support/recording_messages.h"

namespace tervala {
namespace {

namespace fs = std::filesystem;
using testing::RecordingMessages;

std::string DataFile(const char* name) {
    return (fs::path(TERVALA_SOURCE_DIR) / "Data" / name).string();
}

struct Opened {
    Session s;
    RecordingMessages messages;
    InputReadResult result;
};

void Open(Opened& o, const char* name, bool predictionSelected) {
    o.s.DMOmbrel.FileName = DataFile(name);
    o.result = ReadInputFile(o.s.DMOmbrel, o.s.Values, o.messages, predictionSelected);
}

TEST(ExampleData, VidoraIsAYearOfDailyDischargeData) {
    Opened o;
    Open(o, "Vidora.inp", false);
    ASSERT_TRUE(o.result.ok);
    EXPECT_TRUE(o.messages.messages.empty());
    const TDMOmbrel& dm = o.s.DMOmbrel;
    EXPECT_EQ(dm.ModeTag, " Dis");
    EXPECT_TRUE(dm.DischargeMode);
    EXPECT_EQ(dm.NrOfData, 365);
    EXPECT_EQ(dm.MaxSto, 50);
    EXPECT_EQ(dm.IniSto, 30);
    EXPECT_EQ(dm.MaxEsc, 0.2);
    EXPECT_EQ(dm.TimeData[0], 1);
    EXPECT_EQ(dm.TimeData[364], 365);
    // The escape rate the help text changes from 0.2 to 0.1 or 0.3.
    EXPECT_TRUE(std::all_of(dm.EscData.begin(), dm.EscData.begin() + 365,
                            [](double e) { return e == 0.2; }));
    // Discharge varies (the analysis refuses a flat series) and stays positive.
    const auto [low, high] = std::minmax_element(dm.DischData.begin(), dm.DischData.begin() + 365);
    EXPECT_GT(*low, 0);
    EXPECT_GT(*high - *low, 3);
    EXPECT_FALSE(o.result.parameterFile.read);

    // The first reservoir takes the series without a refusal.
    ReservoirSeries r;
    r.Resize(365);
    for (int k = 1; k <= 365; ++k) {
        r.Time[k] = dm.TimeData[k - 1];
        r.Rain[k] = dm.RainData[k - 1];
        r.Esc[k] = dm.EscData[k - 1];
    }
    double iniSto = dm.IniSto;
    EngineFlags flags;
    RecordingMessages m;
    EXPECT_TRUE(ComputeRecharge(RechargeVariant::Analysis, 365, dm.MaxSto, iniSto, r, flags, m));
    EXPECT_TRUE(m.messages.empty());
}

TEST(ExampleData, HeadExampleOpensAsAPredictionWithObservedHeads) {
    Opened o;
    Open(o, "VidoraHead.inp", false);
    ASSERT_TRUE(o.result.ok);
    EXPECT_TRUE(o.messages.messages.empty());
    const TDMOmbrel& dm = o.s.DMOmbrel;
    EXPECT_EQ(dm.ModeTag, " Pre");  // a head file becomes a prediction data set
    EXPECT_EQ(dm.NrOfData, 60);
    EXPECT_EQ(dm.HeadData[0], 420);
    EXPECT_GT(*std::max_element(dm.HeadData.begin(), dm.HeadData.begin() + 60), 100);
}

TEST(ExampleData, PredictionExampleCarriesItsAlphaFunction) {
    Opened o;
    Open(o, "VidoraPrediction.inp", true);
    ASSERT_TRUE(o.result.ok);
    EXPECT_TRUE(o.messages.messages.empty());
    const TDMOmbrel& dm = o.s.DMOmbrel;
    EXPECT_TRUE(dm.PredictionMode);
    EXPECT_EQ(dm.NrOfData, 90);
    EXPECT_EQ(o.s.Values.MCoeff, 0.04);
    EXPECT_EQ(o.s.Values.NValue, 0.05);
    EXPECT_EQ(dm.Porosity, 10);
    EXPECT_EQ(dm.RunIni, 2);
    EXPECT_EQ(dm.HeadIni, 300);
    EXPECT_EQ(dm.RainData[39], 60);  // the design storm on day 40
}

TEST(ExampleData, DrainedFieldDerivesItsAlphaFunctionFromTheParameterFile) {
    Opened o;
    Open(o, "DrainedField.inp", true);
    ASSERT_TRUE(o.result.ok);
    EXPECT_TRUE(o.messages.messages.empty());
    const ParameterFileStep& step = o.result.parameterFile;
    EXPECT_TRUE(step.read);
    EXPECT_TRUE(step.derived);
    // Ka = Kb = 1, D = 5, U = 0.5, P = 5 %, L = 50: the calculator's worked example.
    EXPECT_EQ(step.MText, " 0.03200");
    EXPECT_EQ(step.NText, " 0.20173");
    EXPECT_EQ(o.s.Values.L, 50);
    EXPECT_EQ(o.s.DMOmbrel.NrOfData, 60);
}

}  // namespace
}  // namespace tervala
