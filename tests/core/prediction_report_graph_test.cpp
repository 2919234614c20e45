// The graphs are drawn from the prediction report: every row written is read
// back, with the alpha function printed in it.
#include <gtest/gtest.h>

#include "engine/prediction.h"
#include "engine/session.h"
#include "model/graph_data_reader.h"
#include "model/graph_report_probe.h"
#include "tests/support/prediction_input_text.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::PredictionInputHeader;
using testing::PredictionInputText;
using testing::PredictionRow;
using testing::RecordingMessages;
using testing::TempDir;
using testing::WriteBytes;

TEST(PredictionReportForGraphs, EveryPredictedRowIsReadBackWithTheAlphaFunction) {
    TempDir dir;
    Session s;
    RecordingMessages messages;
    PredictionInputHeader h;
    h.nValue = "-2.0000E-002";
    WriteBytes(dir.File("field.inp"),
               PredictionInputText(h, {PredictionRow(1, 1, 40, 5), PredictionRow(2, 2, 0, 5),
                                       PredictionRow(3, 3, 10, 5)}));
    s.DMOmbrel.FileName = dir.File("field.inp");
    s.DMOmbrel.NrOfData = 3;
    s.DMOmbrel.EscData = {5, 5, 5};
    RunPrediction(s, messages);
    ASSERT_TRUE(messages.messages.empty());

    s.DMOmbrel.LastFileName = dir.File("field.out");
    ASSERT_TRUE(ProbeGraphReport(s.DMOmbrel, messages));
    EXPECT_EQ(s.DMOmbrel.GraphTag, "PRED");
    EXPECT_TRUE(s.DMOmbrel.PredictionMode);

    s.Values.MCoeff = 9;
    s.Values.NValue = 9;
    ASSERT_EQ(ReadGraphData(s.DMOmbrel, s.Values, GraphKind::WaterTable, messages),
              GraphReadOutcome::Read);
    ASSERT_EQ(s.DMOmbrel.NrOfData, 3);
    EXPECT_EQ(s.DMOmbrel.RowCheck, (DataArrayI{1, 2, 3}));
    EXPECT_EQ(s.DMOmbrel.Graph.Time, (DataArrayR{1, 2, 3}));
    EXPECT_EQ(s.DMOmbrel.Graph.Recharge, (DataArrayR{10, 0, 0.5}));
    EXPECT_EQ(s.DMOmbrel.Graph.Head[0], 100.0);
    EXPECT_EQ(s.Values.MCoeff, 0.5);
    EXPECT_EQ(s.Values.NValue, -0.02);
}

}  // namespace
}  // namespace tervala
