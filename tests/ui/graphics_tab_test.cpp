// The Graphics tab with reports written by hand: which choices a report
// offers and with which captions, drawing with "Go", "Select graph", the
// comment button after the trend graph, saving colour and black-and-white
// bitmaps (623 x 465, 24 bits, the pixels drawn), refusing an overwrite, and
// opening a saved bitmap again. Every dialog is answered by the script.
#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <filesystem>

#include "graphs/palette.h"
#include "tests/support/batch_runner.h"
#include "tests/support/bmp_file.h"
#include "tests/support/example_reports.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/rain_form_fixture.h"
#include "ui/graph_picture.h"

namespace tervala::testing {
namespace {

QRgb Q(Rgb c) { return qRgb(c.r, c.g, c.b); }

QImage Rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

class GraphicsTabTest : public RainFormTest {
  protected:
    void SetUp() override {
        RainFormTest::SetUp();
        discharge = Write("polder.out", DischargeReportLines());
        WriteBytes(dir.File("polder.dat"), JoinLines(FitFileLines("1"), "\r\n"));
        head = Write("tube.out", HeadReportLines());
        prediction = Write("west.out", PredictionReportLines());
    }

    std::string Write(const std::string& name, const std::vector<std::string>& lines) {
        const std::string path = dir.File(name);
        WriteBytes(path, JoinLines(lines, "\r\n"));
        return path;
    }

    void ShowGraphicsTab() { form->PageControl1->setCurrentWidget(form->GraphicsTabSheet); }

    // "Make graph" on the Graphics tab with the report chosen in its dialog.
    void MakeGraph(const std::string& report) {
        ShowGraphicsTab();
        dialogs.openAnswers.push_back(report);
        form->OutputOpenForGraphicsExecute();
    }

    QImage Shown() const { return Rgb32(form->GraphImage->pixmap().toImage()); }

    // The picture drawn from what the data set now holds.
    QImage Expected(GraphKind kind, bool colour) {
        return Rgb32(DrawGraphPicture(GraphInput{dm(), session.Values, kind, colour}));
    }

    // A point of the plot panel that no graph of these reports draws on.
    static constexpr int kPanelX = 600, kPanelY = 440;

    TempDir dir;
    std::string discharge, head, prediction;
};

TEST_F(GraphicsTabTest, WithoutAReportTheTabOffersNoChoices) {
    ShowGraphicsTab();
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_FALSE(form->Panel3->isVisible());
    EXPECT_FALSE(form->SelectButton->isEnabled());
    EXPECT_TRUE(form->SeeGraphButton->isVisible());
    EXPECT_TRUE(form->MakeGraphButton->isEnabled());
    EXPECT_FALSE(form->GraphSaveAction->isEnabled());
    EXPECT_FALSE(form->SaveGraphButton->isEnabled());
    EXPECT_FALSE(form->BlWhButton->isEnabled());
    EXPECT_FALSE(form->GraphImage->isVisible());
    EXPECT_EQ(form->StatusText(),
              "Graphics presentations of output data can be seen and saved. Use \"Make graph\" "
              "to open an output file and make the graphs.");
    EXPECT_EQ(form->RadioGroup1->title(), "Select graph");
    EXPECT_EQ(form->RadioGroup3->title(), "Select graph");
    EXPECT_EQ(form->GoButton1->text(), "Go");
    EXPECT_EQ(form->SelectButton->text(), "Select graph");
    EXPECT_EQ(form->CommentButton->text(), "Comment");
}

TEST_F(GraphicsTabTest, MakeGraphOnAnAnalysisReportOffersTheFiveAnalysisGraphs) {
    MakeGraph(discharge);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.openRequests.back().filter, "Output files (*.out)|*.out");
    EXPECT_TRUE(form->Panel1->isVisible());
    EXPECT_FALSE(form->Panel3->isVisible());
    EXPECT_TRUE(form->RunoffRadioButton->isChecked());
    EXPECT_FALSE(form->AlfaRadioButton->isVisibleTo(form->Panel1));
    // "Make graph" leaves the captions as they are: the first ones here.
    EXPECT_EQ(form->RunoffRadioButton->text(), "Runoff/Discharge in time");
    EXPECT_EQ(form->RechRadioButton->text(), "Rain and Recharge in time");
    EXPECT_EQ(form->CalcObsRadioButton->text(), "RunOff/Discharge observed-calculated");
    EXPECT_EQ(form->RainRunRadioButton->text(), "Recharge and RunOff/Discharge ");
    EXPECT_EQ(form->RechRunRadioButton->text(), "Recharge and Runoff/Discharge in time");
    EXPECT_TRUE(form->ReportShown);
    EXPECT_TRUE(form->GraphRequested);
    EXPECT_EQ(dm().LastFileName, discharge);
    EXPECT_EQ(dm().Title1, "Polder Oost, winter 1998");
    EXPECT_EQ(form->StatusText(), "The output file can be imported into spreadsheets");
    EXPECT_TRUE(form->OutputMemo->toPlainText().contains("RECONSTRUCTION:"));
    EXPECT_EQ(form->FileDialogs.InputOpenDialog.initialFolder, dir.path().string());
}

TEST_F(GraphicsTabTest, GoDrawsTheChosenGraphAndSelectGraphBringsTheChoicesBack) {
    MakeGraph(discharge);
    form->CalcObsRadioButton->setChecked(true);
    form->GoButton1->click();
    EXPECT_EQ(form->GraphKind, GraphKind::CalculatedAgainstObserved);
    EXPECT_EQ(dm().NrOfData, 3);
    EXPECT_DOUBLE_EQ(session.Values.Trend.RSquare, 0.87);
    EXPECT_TRUE(form->GraphImage->isVisible());
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_TRUE(form->SelectButton->isEnabled());
    EXPECT_TRUE(form->GraphSaveAction->isEnabled());
    EXPECT_TRUE(form->SaveGraphButton->isEnabled());
    EXPECT_TRUE(form->BlWhButton->isEnabled());
    EXPECT_FALSE(form->CommentButton->isEnabled());
    EXPECT_EQ(form->GraphImage->pixmap().size(), QSize(623, 465));
    EXPECT_EQ(Shown(), Expected(GraphKind::CalculatedAgainstObserved, true));
    EXPECT_EQ(Shown().pixel(kPanelX, kPanelY), Q(kDarkBlue));

    form->SelectButton->click();
    EXPECT_FALSE(form->GraphImage->isVisible());
    EXPECT_FALSE(form->SelectButton->isEnabled());
    EXPECT_TRUE(form->Panel1->isVisible());
    EXPECT_FALSE(form->GraphSaveAction->isEnabled());
    EXPECT_FALSE(form->BlWhButton->isEnabled());
}

TEST_F(GraphicsTabTest, ViewGraphOfAHeadReportShowsTheHeadCaptions) {
    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    dialogs.openAnswers.push_back(head);
    form->OutputOpenActionExecute();
    ASSERT_EQ(dm().ModeTag, kHeadTag);
    ASSERT_TRUE(form->ViewGraphButton->isVisible());
    form->ViewGraphButton->click();
    EXPECT_EQ(form->PageControl1->currentWidget(), form->GraphicsTabSheet);
    EXPECT_EQ(dm().GraphTag, "RECO");
    EXPECT_TRUE(form->Panel1->isVisible());
    EXPECT_FALSE(form->Panel3->isVisible());
    EXPECT_EQ(form->RunoffRadioButton->text(), "Hydraulic Head   in time");
    EXPECT_EQ(form->RechRadioButton->text(), "Rain and Recharge in time");
    EXPECT_EQ(form->CalcObsRadioButton->text(), "Hydraulic head   observed-calculated");
    EXPECT_EQ(form->RainRunRadioButton->text(), "Recharge and Hydraulic Head");
    EXPECT_EQ(form->RechRunRadioButton->text(), "Recharge and Hydraulic Head     in time");

    form->RechRunRadioButton->setChecked(true);
    form->GoButton1->click();
    EXPECT_EQ(form->GraphKind, GraphKind::RechargeObservedInTime);
    EXPECT_EQ(Shown(), Expected(GraphKind::RechargeObservedInTime, true));

    // A discharge report afterwards: "View graph" sets the discharge captions.
    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    dm().ModeTag = kDischargeTag;  // as the Intro tab's selector leaves it
    dialogs.openAnswers.push_back(discharge);
    form->OutputOpenActionExecute();
    form->ViewGraphButton->click();
    EXPECT_EQ(form->RunoffRadioButton->text(), "Runoff/Discharge in time");
    EXPECT_EQ(form->RainRunRadioButton->text(), "Recharge and Runoff/Discharge");
    EXPECT_EQ(form->RechRunRadioButton->text(), "Recharge and RunOff/Discharge in time");
}

TEST_F(GraphicsTabTest, APredictionReportOffersItsThreeGraphs) {
    MakeGraph(prediction);
    EXPECT_EQ(dm().GraphTag, "PRED");
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_TRUE(form->Panel3->isVisible());
    EXPECT_TRUE(form->RadioButton3->isChecked());
    EXPECT_EQ(form->RadioButton3->text(), "Discharge in time");
    EXPECT_EQ(form->RadioButton4->text(), "Watertable in time");
    EXPECT_EQ(form->RadioButton5->text(), "Rain/Recharge");

    form->RadioButton4->setChecked(true);
    form->GoButton3->click();
    EXPECT_EQ(form->GraphKind, GraphKind::WaterTable);
    EXPECT_FALSE(dm().PredictionMode);  // "PREDICTION drainage:" read for the water table
    EXPECT_EQ(Shown(), Expected(GraphKind::WaterTable, true));
    EXPECT_FALSE(form->Panel3->isVisible());

    // The choices set up again follow the mode the reading left.
    form->SelectButton->click();
    EXPECT_EQ(form->RadioButton4->text(), "Watertable in time");  // the probe makes it a prediction
    EXPECT_TRUE(dm().PredictionMode);
    form->RadioButton5->setChecked(true);
    form->GoButton3->click();
    EXPECT_EQ(form->GraphKind, GraphKind::PredictionRainRecharge);
    EXPECT_EQ(Shown(), Expected(GraphKind::PredictionRainRecharge, true));
}

TEST_F(GraphicsTabTest, RadioButton4NamesAStorageWhenNotInPredictionMode) {
    ShowGraphicsTab();
    dm().PredictionMode = false;
    form->ShowGraphicsTab();
    EXPECT_EQ(form->RadioButton4->text(), "Reservoir storage");
    dm().PredictionMode = true;
    form->ShowGraphicsTab();
    EXPECT_EQ(form->RadioButton4->text(), "Watertable in time");
}

TEST_F(GraphicsTabTest, TheTrendGraphOffersTheComment) {
    MakeGraph(discharge);
    form->RainRunRadioButton->setChecked(true);
    form->GoButton1->click();
    EXPECT_EQ(form->GraphKind, GraphKind::ObservedAgainstRecharge);
    EXPECT_TRUE(session.Values.Trend.TrendValid);
    EXPECT_DOUBLE_EQ(session.Values.Trend.TrendB, 0.184);
    EXPECT_TRUE(form->CommentButton->isEnabled());
    EXPECT_EQ(Shown(), Expected(GraphKind::ObservedAgainstRecharge, true));
    form->CommentButton->click();
    EXPECT_TRUE(comment->isVisible());

    form->SelectButton->click();
    EXPECT_FALSE(comment->isVisible());
    EXPECT_FALSE(form->CommentButton->isEnabled());

    form->RunoffRadioButton->setChecked(true);
    form->GoButton1->click();
    EXPECT_FALSE(form->CommentButton->isEnabled());
}

TEST_F(GraphicsTabTest, WithoutTheFitFileTheTrendGraphIsNotDrawn) {
    std::filesystem::remove(dir.File("polder.dat"));
    MakeGraph(discharge);
    form->RainRunRadioButton->setChecked(true);
    form->GoButton1->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("polder.dat"), std::string::npos);
    EXPECT_FALSE(form->GraphImage->isVisible());
    EXPECT_TRUE(form->Panel1->isVisible());
    EXPECT_TRUE(form->CommentButton->isEnabled());
    EXPECT_FALSE(form->GraphSaveAction->isEnabled());
}

TEST_F(GraphicsTabTest, MakeGraphCancelledOrWithAMissingFile) {
    ShowGraphicsTab();
    form->OutputOpenForGraphicsExecute();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"No output file selected"}));
    EXPECT_FALSE(form->GraphRequested);
    dialogs.Clear();
    dialogs.openAnswers.push_back(dir.File("none.out"));
    form->OutputOpenForGraphicsExecute();
    ASSERT_GE(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "File does not exist, please select another one,");
    EXPECT_EQ(dm().LastFileName, dir.File("none.out"));
    EXPECT_TRUE(form->GraphRequested);
}

TEST_F(GraphicsTabTest, SavedColourBitmapHoldsThePixelsDrawn) {
    MakeGraph(discharge);
    form->GoButton1->click();
    const std::string path = dir.File("runoff.bmp");
    dialogs.saveAnswers.push_back(path);
    form->SaveGraphButton->click();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"The graph was saved in  " + path}));
    const FileDialogRequest& asked = dialogs.saveRequests.back();
    EXPECT_EQ(asked.filter, "Image files (*.bmp)|*.bmp");
    EXPECT_EQ(asked.defaultExtension, "bmp");
    EXPECT_EQ(form->FileDialogs.GraphSaveDialog.initialFolder, dir.path().string());
    EXPECT_TRUE(form->ColourMode);

    BmpFile bmp(path);
    ASSERT_TRUE(bmp.IsBitmap());
    EXPECT_EQ(bmp.Width(), 623);
    EXPECT_EQ(bmp.Height(), 465);
    EXPECT_EQ(bmp.BitsPerPixel(), 24);
    QImage saved(QString::fromStdString(path));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(Rgb32(saved), Shown());
    EXPECT_EQ(Rgb32(saved), Expected(GraphKind::ObservedCalculatedInTime, true));
    EXPECT_EQ(bmp.Pixel(kPanelX, kPanelY), kDarkBlue);
}

TEST_F(GraphicsTabTest, TheBatchCommandWritesTheBitmapTheWindowSaves) {
    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    dialogs.openAnswers.push_back(head);
    form->OutputOpenActionExecute();
    form->ViewGraphButton->click();
    form->RechRunRadioButton->setChecked(true);
    form->GoButton1->click();
    for (bool colour : {true, false}) {
        const std::string window = dir.File(colour ? "window.bmp" : "window-bw.bmp");
        const std::string batch = dir.File(colour ? "batch.bmp" : "batch-bw.bmp");
        dialogs.saveAnswers.push_back(window);
        colour ? form->SaveGraphButton->click() : form->BlWhButton->click();
        std::vector<std::string> arguments{"graph", head, "--kind", "9", "-o", batch};
        if (!colour) arguments.push_back("--bw");
        BatchResult b = RunBatch(arguments, dir);
        ASSERT_EQ(b.exitCode, 0) << b.err;
        EXPECT_EQ(ReadBytes(batch), ReadBytes(window)) << colour;
    }
}

TEST_F(GraphicsTabTest, BlackAndWhiteStaysForTheNextGoUntilColourIsSaved) {
    MakeGraph(prediction);
    form->RadioButton5->setChecked(true);
    form->GoButton3->click();
    const std::string bw = dir.File("rain-bw.bmp");
    dialogs.saveAnswers.push_back(bw);
    form->BlWhButton->click();
    EXPECT_FALSE(form->ColourMode);
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"The graph was saved in  " + bw}));
    QImage saved(QString::fromStdString(bw));
    EXPECT_EQ(Rgb32(saved), Expected(GraphKind::PredictionRainRecharge, false));
    EXPECT_EQ(saved.pixel(kPanelX, kPanelY), Q(kWhite));

    // Another graph with "Go": still black and white.
    form->SelectButton->click();
    form->RadioButton3->setChecked(true);
    form->GoButton3->click();
    EXPECT_EQ(Shown(), Expected(GraphKind::PredictedDischarge, false));
    EXPECT_EQ(Shown().pixel(kPanelX, kPanelY), Q(kWhite));

    // "Save color graph" redraws in colour, also when the dialog is cancelled.
    dialogs.Clear();
    form->SaveGraphButton->click();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"The graph was not saved"}));
    EXPECT_TRUE(form->ColourMode);
    EXPECT_TRUE(form->GraphImage->isVisible());
    EXPECT_EQ(Shown(), Expected(GraphKind::PredictedDischarge, true));
}

TEST_F(GraphicsTabTest, OpeningAReportSetsColourAgain) {
    MakeGraph(prediction);
    form->GoButton3->click();
    dialogs.saveAnswers.push_back(dir.File("x.bmp"));
    form->BlWhButton->click();
    ASSERT_FALSE(form->ColourMode);
    dialogs.openAnswers.push_back(discharge);
    form->OutputOpenActionExecute();
    EXPECT_TRUE(form->ColourMode);
}

TEST_F(GraphicsTabTest, RefusedOverwriteWritesNothingAndSaysNothing) {
    MakeGraph(discharge);
    form->GoButton1->click();
    const std::string path = dir.File("kept.bmp");
    WriteBytes(path, "an earlier graph");
    dialogs.saveAnswers.push_back(path);
    dialogs.answers.push_back(false);
    form->SaveGraphButton->click();
    EXPECT_EQ(dialogs.questions, (std::vector<std::string>{"The file already exists, overwrite?"}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(ReadBytes(path), "an earlier graph");

    // Yes replaces it.
    dialogs.saveAnswers.push_back(path);
    dialogs.answers.push_back(true);
    form->SaveGraphButton->click();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"The graph was saved in  " + path}));
    EXPECT_EQ(BmpFile(path).Width(), 623);
}

TEST_F(GraphicsTabTest, AGraphThatCannotBeWrittenIsReported) {
    MakeGraph(discharge);
    form->GoButton1->click();
    const std::string path = dir.File("no-such-folder/runoff.bmp");
    dialogs.saveAnswers.push_back(path);
    form->SaveGraphButton->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("could not be written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(GraphicsTabTest, OpenGraphShowsASavedBitmapClipped) {
    MakeGraph(discharge);
    form->GoButton1->click();
    const std::string path = dir.File("runoff.bmp");
    dialogs.saveAnswers.push_back(path);
    form->SaveGraphButton->click();
    const QImage drawn = Shown();

    dialogs.Clear();
    dialogs.openAnswers.push_back(path);
    form->SeeGraphButton->click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.openRequests.back().filter, "Graph files (*.bmp)|*.bmp");
    EXPECT_TRUE(form->PictureImage->isVisible());
    EXPECT_FALSE(form->GraphImage->isVisible());
    EXPECT_EQ(form->PictureImage->size(), QSize(617, 449));
    EXPECT_EQ(Rgb32(form->PictureImage->pixmap().toImage()), drawn);
    EXPECT_FALSE(form->GraphSaveAction->isEnabled());
    EXPECT_FALSE(form->BlWhButton->isEnabled());
    EXPECT_FALSE(form->SelectButton->isEnabled());
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_EQ(dm().FileName, path);
    EXPECT_EQ(dm().LastFileName, discharge);  // the graphs still come from the report
    // What shows: the bitmap's own pixels from the top-left corner, cut at 617 x 449.
    const QImage onScreen = form->PictureImage->grab().toImage();
    EXPECT_EQ(onScreen.size(), QSize(617, 449));
    EXPECT_EQ(Rgb32(onScreen).pixel(0, 0), drawn.pixel(0, 0));
    EXPECT_EQ(Rgb32(onScreen).pixel(600, 440), drawn.pixel(600, 440));
}

TEST_F(GraphicsTabTest, OpenGraphFromAnotherTabBringsTheGraphicsTabWithoutChoices) {
    MakeGraph(discharge);
    form->GoButton1->click();
    const std::string path = dir.File("runoff.bmp");
    dialogs.saveAnswers.push_back(path);
    form->SaveGraphButton->click();
    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    form->GraphRequested = true;  // as after a run
    dialogs.openAnswers.push_back(path);
    form->GraphOpenAction->trigger();
    EXPECT_EQ(form->PageControl1->currentWidget(), form->GraphicsTabSheet);
    EXPECT_TRUE(form->PictureImage->isVisible());
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_FALSE(form->Panel3->isVisible());
    EXPECT_FALSE(form->GraphSaveAction->isEnabled());
}

TEST_F(GraphicsTabTest, OpenGraphCancelledMissingOrNoBitmap) {
    MakeGraph(discharge);
    form->GraphOpenActionExecute();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"No graphics file selected"}));
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_FALSE(form->GraphSaveAction->isEnabled());
    dialogs.Clear();
    dialogs.openAnswers.push_back(dir.File("none.bmp"));
    form->GraphOpenActionExecute();
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"File does not exist, please select another one"}));
    dialogs.Clear();
    dialogs.openAnswers.push_back(discharge);  // a report, no picture
    form->GraphOpenActionExecute();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("no bitmap"), std::string::npos);
    EXPECT_FALSE(form->PictureImage->isVisible());
}

TEST_F(GraphicsTabTest, OtherTabsWithdrawSaving) {
    MakeGraph(discharge);
    form->GoButton1->click();
    ASSERT_TRUE(form->GraphSaveAction->isEnabled());
    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    EXPECT_FALSE(form->GraphSaveAction->isEnabled());
    EXPECT_FALSE(form->BlWhButton->isEnabled());
    EXPECT_FALSE(form->GraphRequested);
    // Back on the Graphics tab: the drawn graph is gone, nothing to save.
    ShowGraphicsTab();
    EXPECT_FALSE(form->GraphImage->isVisible());
    EXPECT_FALSE(form->GraphSaveAction->isEnabled());
}

}  // namespace
}  // namespace tervala::testing
