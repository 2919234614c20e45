// The drainage calculator together with the main window: opened from the
// Input tab and by reading an input file beside its parameter file, and
// entering M and N into the Input tab. The example data under Data/ serve as
// the input files a user opens.
#include <filesystem>

#include "tests/support/temp_dir.h"
#include "tests/ui/rain_form_fixture.h"

namespace tervala::testing {
namespace {

namespace fs = std::filesystem;

class CalculatorInMainWindow : public RainFormTest {
protected:
    void SetUp() override {
        RainFormTest::SetUp();
        ShowInputTab();
        dialogs.Clear();
    }

    // A copy of an example beside which the program may write.
    std::string Example(const char* name, const char* as) {
        const std::string to = dir.File(as);
        fs::copy_file(fs::path(TERVALA_SOURCE_DIR) / "Data" / name, to);
        return to;
    }

    void Open(const std::string& path) {
        dialogs.openAnswers.push_back(path);
        form->InputOpenActionExecute();
    }

    void Type(QLineEdit* edit, const char* text, void (TAlfaForm::*exit)()) {
        edit->setText(text);
        (alfa.get()->*exit)();
    }

    void TypeWorkedExample() {
        Type(alfa->Edit1, "1", &TAlfaForm::Edit1Exit);
        Type(alfa->Edit2, "1", &TAlfaForm::Edit2Exit);
        Type(alfa->Edit3, "5", &TAlfaForm::Edit3Exit);
        Type(alfa->Edit4, "0.5", &TAlfaForm::Edit4Exit);
        Type(alfa->Edit5, "5", &TAlfaForm::Edit5Exit);
        Type(alfa->Edit6, "50", &TAlfaForm::Edit6Exit);
    }

    TempDir dir;
};

TEST_F(CalculatorInMainWindow, OpeningAnInputBesideItsParameterFileShowsTheCalculator) {
    const std::string input = Example("DrainedField.inp", "field.inp");
    Example("DrainedField.par", "field.par");
    form->OptionComboBox->setCurrentIndex(1);  // the prediction entry
    Open(input);

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dm().ParFileRead);
    EXPECT_TRUE(dm().PredictionMode);
    EXPECT_EQ(session.Values.MCoeff, 0.032);
    EXPECT_EQ(session.Values.NValue, 0.20173);
    ASSERT_TRUE(alfa->isVisible());
    // The calculator shows the values held, read from the parameter file.
    EXPECT_EQ(alfa->Edit1->text(), "1");
    EXPECT_EQ(alfa->Edit3->text(), "5");
    EXPECT_EQ(alfa->Edit4->text(), "0.5");
    EXPECT_EQ(alfa->Edit5->text(), "5");
    EXPECT_EQ(alfa->Edit6->text(), "50");
    EXPECT_EQ(alfa->Edit7->text(), "0.032");
    EXPECT_EQ(alfa->Edit8->text(), "0.20173");

    // Leaving for another tab and coming back to the Input tab shows it again.
    alfa->hide();
    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    ShowInputTab();
    EXPECT_TRUE(alfa->isVisible());
}

TEST_F(CalculatorInMainWindow, AlfaCalcEntersMAndNIntoTheInputTab) {
    const std::string input = Example("VidoraPrediction.inp", "wet winter.inp");
    form->OptionComboBox->setCurrentIndex(1);
    Open(input);
    ASSERT_TRUE(dialogs.messages.empty());
    ASSERT_TRUE(form->AlfaButton->isVisible());
    EXPECT_EQ(form->A1coeffEdit->text(), "0.04");

    form->AlfaButton->click();
    ASSERT_TRUE(alfa->isVisible());
    TypeWorkedExample();
    alfa->Button1->click();

    EXPECT_EQ(form->A1coeffEdit->text(), " 0.03200");
    EXPECT_EQ(form->B1valueEdit->text(), " 0.20173");
    EXPECT_EQ(form->PorosityEdit->text(), "5");
    EXPECT_TRUE(fs::exists(dir.path() / "wet winter.par"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              "The drainage parameters were computed and its values are entered in the input "
              "tabsheet.");
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 1);
}

// Regression: "Calculate" beside an analysis set the prediction flag while the
// discharge flag stayed, and the next save wrote both tables into one file.
TEST_F(CalculatorInMainWindow, CalculatingBesideAnAnalysisTurnsTheInputTabToPrediction) {
    const std::string input = Example("Vidora.inp", "Vidora.inp");
    Example("DrainedField.par", "Vidora.par");
    Open(input);
    ASSERT_TRUE(dm().ParFileRead);
    ASSERT_TRUE(dm().DischargeMode);
    ASSERT_EQ(form->OptionComboBox->currentIndex(), 0);
    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    ShowInputTab();
    ASSERT_TRUE(alfa->isVisible());
    dialogs.Clear();

    alfa->Button1->click();  // the values read from the parameter file

    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dm().PredictionMode);
    EXPECT_FALSE(dm().DischargeMode);
    EXPECT_FALSE(dm().HeadMode);
    EXPECT_EQ(dm().ModeTag, " Pre");
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 1);
    EXPECT_EQ(grid().ColCount(), 3);
    EXPECT_TRUE(form->AlphaDrainBox->isVisible());
    EXPECT_TRUE(form->AlfaButton->isVisible());
    EXPECT_EQ(form->A1coeffEdit->text(), " 0.03200");
    EXPECT_EQ(form->B1valueEdit->text(), " 0.20173");
}

}  // namespace
}  // namespace tervala::testing
