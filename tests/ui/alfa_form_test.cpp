// The drainage calculator as a user works it: typing the six quantities,
// leaving the fields, "Calculate", and reopening the window.
#include "ui/alfa_form.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/ui/scripted_dialogs.h"
#include "ui/tervala_resources.h"

namespace tervala {
namespace {

namespace fs = std::filesystem;

using RecordingDialogs = testing::ScriptedDialogs;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class AlfaFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitTervalaResources();
        dir = fs::temp_directory_path() /
              ("tervala_alfa_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        session.DMOmbrel.FileName = (dir / "field.inp").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    // Types a text into a field and leaves it.
    void Enter(QLineEdit* edit, const char* text) {
        edit->setText(text);
        if (edit == form.Edit1) form.Edit1Exit();
        if (edit == form.Edit2) form.Edit2Exit();
        if (edit == form.Edit3) form.Edit3Exit();
        if (edit == form.Edit4) form.Edit4Exit();
        if (edit == form.Edit5) form.Edit5Exit();
        if (edit == form.Edit6) form.Edit6Exit();
    }
    void EnterAll(const char* ka, const char* kb, const char* d, const char* u, const char* p,
                  const char* l) {
        Enter(form.Edit1, ka);
        Enter(form.Edit2, kb);
        Enter(form.Edit3, d);
        Enter(form.Edit4, u);
        Enter(form.Edit5, p);
        Enter(form.Edit6, l);
    }

    fs::path dir;
    Session session;
    RecordingDialogs dialogs;
    TAlfaForm form{session, dialogs};
};

TEST_F(AlfaFormTest, WindowCaptionAndLabels) {
    EXPECT_EQ(form.windowTitle().toStdString(), "Calculator rection factors drainage systm");
    EXPECT_EQ(form.Button1->text().toStdString(), "Calculate");
    EXPECT_EQ(form.TxTLabel->text().toStdString(), "Response fuction Alpha = M*discharge + N");
    EXPECT_TRUE(form.Edit7->isReadOnly());
    EXPECT_TRUE(form.Edit8->isReadOnly());
    EXPECT_FALSE(form.GeometryImage->pixmap().isNull());
    EXPECT_EQ(session.Values.Ka, 0);
    EXPECT_EQ(session.Values.L, 0);
}

TEST_F(AlfaFormTest, ShallowWorkedExample) {
    QSignalSpy entered(&form, &TAlfaForm::AlphaEntered);
    EnterAll("1", "1", "5", "0.5", "5", "50");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(form.InputsValid());
    form.Button1->click();

    // x = 0.6284: logarithmic form; M = 4 / (0.05 * 2500) = 0.032, N = 0.20173.
    EXPECT_EQ(form.Edit7->text().toStdString(), " 0.03200");
    EXPECT_EQ(form.Edit8->text().toStdString(), " 0.20173");
    EXPECT_NEAR(form.HeldN(), 0.2017308, 1e-7);
    EXPECT_EQ(session.Values.MCoeff, 0.032);
    EXPECT_EQ(session.Values.NValue, 0.20173);
    ASSERT_EQ(entered.count(), 1);
    EXPECT_EQ(entered[0][0].toString().toStdString(), " 0.03200");
    EXPECT_EQ(entered[0][1].toString().toStdString(), " 0.20173");
    EXPECT_EQ(entered[0][2].toString().toStdString(), "5");
    EXPECT_EQ(session.DMOmbrel.Porosity, 5);
    EXPECT_TRUE(session.DMOmbrel.PredictionMode);
    EXPECT_FALSE(session.DMOmbrel.DischargeMode);
    EXPECT_EQ(session.DMOmbrel.ModeTag, " Pre");

    EXPECT_EQ(ReadFile(dir / "field.par"),
              " Hydraulic conductivity above drain level (Ka, m/day)  1.00\r\n"
              " Hydraulic conductivity below drain level (Kb, m/day)  1.00\r\n"
              " Depth of soil layer below drain level (D=D1-Dd, m)    5.00\r\n"
              " Wet perimeter of drain or ditch (U, m)                0.50\r\n"
              " Drainable (effective) porosity of top soil (P, %)     5.00\r\n"
              " Drain spacing (L, m)                                 50.00\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              "The drainage parameters were computed and its values are entered in the input "
              "tabsheet.");
}

TEST_F(AlfaFormTest, DeepWorkedExampleUsesTheSeries) {
    EnterAll("1", "1", "10", "0.5", "5", "50");
    form.Button1->click();
    // x = 1.2568: F = 0.353, d = 3.96, N = 8 * 3.96051 / 125 = 0.25347.
    EXPECT_EQ(form.Edit7->text().toStdString(), " 0.03200");
    EXPECT_EQ(form.Edit8->text().toStdString(), " 0.25347");
}

TEST_F(AlfaFormTest, XOfExactlyOneTakesTheLogarithmicForm) {
    // L = 6.284, D = 1: x = 1. F = 9.872164 / 4 + ln(0.5 / 3.142) = 0.6300343,
    // d = (3.142 * 6.284 / 8) / (ln(12.568) + F) = 0.7807321,
    // N = 8 * d / (0.1 * 6.284^2) = 1.58168 (the series would give 1.58199);
    // M = 4 / (0.1 * 39.488656) = 1.01295.
    EnterAll("1", "1", "1", "0.5", "10", "6.284");
    form.Button1->click();
    EXPECT_EQ(form.Edit7->text().toStdString(), " 1.01295");
    EXPECT_EQ(form.Edit8->text().toStdString(), " 1.58168");
}

TEST_F(AlfaFormTest, CalculateTwiceGivesTheSameResult) {
    EnterAll("0.8", "1.6", "4", "0.3", "7", "30");
    form.Button1->click();
    const std::string m = form.Edit7->text().toStdString();
    const std::string n = form.Edit8->text().toStdString();
    const double porosity = session.DMOmbrel.Porosity;
    form.Button1->click();
    EXPECT_EQ(form.Edit7->text().toStdString(), m);
    EXPECT_EQ(form.Edit8->text().toStdString(), n);
    EXPECT_EQ(session.DMOmbrel.Porosity, porosity);
    EXPECT_EQ(porosity, 7);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(AlfaFormTest, PorosityOfThirtyPassesTheFieldButNotCalculate) {
    EnterAll("1", "1", "5", "0.5", "30", "50");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form.Edit5->text().toStdString(), "30");
    form.Button1->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "One or more data values are incorrect");
    EXPECT_TRUE(form.Edit7->text().isEmpty());
    EXPECT_FALSE(fs::exists(dir / "field.par"));
    EXPECT_FALSE(session.DMOmbrel.PredictionMode);
    EXPECT_EQ(session.Values.MCoeff, 0);
}

TEST_F(AlfaFormTest, ZeroConductivityPassesTheFieldButNotCalculate) {
    EnterAll("0", "1", "5", "0.5", "5", "50");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form.Edit1->text().toStdString(), "0");
    EXPECT_FALSE(form.InputsValid());
    form.Button1->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "One or more data values are incorrect");
    EXPECT_FALSE(fs::exists(dir / "field.par"));
}

TEST_F(AlfaFormTest, AnyEditEmptiesTheResults) {
    EnterAll("1", "1", "5", "0.5", "5", "50");
    form.Button1->click();
    ASSERT_FALSE(form.Edit7->text().isEmpty());
    for (QLineEdit* edit : {form.Edit1, form.Edit2, form.Edit3, form.Edit4, form.Edit5, form.Edit6}) {
        form.Button1->click();
        ASSERT_FALSE(form.Edit8->text().isEmpty());
        edit->setText(edit->text() + "0");
        EXPECT_TRUE(form.Edit7->text().isEmpty()) << edit->objectName().toStdString();
        EXPECT_TRUE(form.Edit8->text().isEmpty());
        EXPECT_EQ(form.HeldM(), 0);
        EXPECT_EQ(form.HeldN(), 0);
        edit->setText(edit->text().chopped(1));
    }
}

TEST_F(AlfaFormTest, RefusedConductivityIsEmptiedAndReset) {
    Enter(form.Edit1, "-1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Ka should be greater than zero");
    EXPECT_TRUE(form.Edit1->text().isEmpty());
    EXPECT_EQ(session.Values.Ka, 0);
    Enter(form.Edit4, "0");
    EXPECT_EQ(dialogs.messages.back(), "U should be greater than zero");
    EXPECT_EQ(session.Values.U, 0);
}

TEST_F(AlfaFormTest, RefusedPorosityAndSpacingStayStoredButCannotBeUsed) {
    EnterAll("1", "1", "5", "0.5", "50", "50");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "P should be less than 30%");
    EXPECT_TRUE(form.Edit5->text().isEmpty());
    EXPECT_EQ(session.DMOmbrel.Porosity, 50);
    Enter(form.Edit5, "0.5");
    EXPECT_EQ(dialogs.messages.back(), "P should be greater than 1%");
    Enter(form.Edit5, "0");
    EXPECT_EQ(dialogs.messages.back(), "P should be greater than zero");
    Enter(form.Edit6, "-50");
    EXPECT_EQ(dialogs.messages.back(), "L should be greater than zero");
    EXPECT_EQ(session.Values.L, -50);
    form.Button1->click();
    EXPECT_EQ(dialogs.messages.back(), "One or more data values are incorrect");
}

TEST_F(AlfaFormTest, CommaDecimalsAreAcceptedAndNonNumbersRefused) {
    Enter(form.Edit4, "0,5");
    EXPECT_EQ(session.Values.U, 0.5);
    EXPECT_TRUE(dialogs.messages.empty());
    Enter(form.Edit4, "half");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "'half' is not a valid floating point value");
    EXPECT_EQ(session.Values.U, 0.5);
    // Leaving an empty field is no entry.
    Enter(form.Edit3, "");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(AlfaFormTest, ReopeningBesideAParameterFileShowsTheValuesHeld) {
    EnterAll("1.5", "0.75", "5", "0.5", "5", "50");
    form.Button1->click();
    ASSERT_TRUE(fs::exists(dir / "field.par"));
    // The user types elsewhere, closes the window and opens it again.
    form.Edit1->setText("9");
    form.Edit6->setText("");
    form.hide();
    form.show();
    EXPECT_EQ(form.Edit1->text().toStdString(), "1.5");
    EXPECT_EQ(form.Edit2->text().toStdString(), "0.75");
    EXPECT_EQ(form.Edit3->text().toStdString(), "5");
    EXPECT_EQ(form.Edit4->text().toStdString(), "0.5");
    EXPECT_EQ(form.Edit5->text().toStdString(), "5");
    EXPECT_EQ(form.Edit6->text().toStdString(), "50");
    EXPECT_EQ(form.Edit7->text().toStdString(), "0.048");
    EXPECT_EQ(form.Edit8->text().toStdString(), "0.1513");  // 0.75 * 0.2017308 to 5 decimals
    EXPECT_TRUE(form.InputsValid());
}

TEST_F(AlfaFormTest, MovingTheFocusOnRunsTheCheckOfTheFieldLeft) {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Edit2->setFocus();
    ASSERT_TRUE(form.Edit2->hasFocus());
    form.Edit2->setText("-3");
    form.Edit3->setFocus();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Kb should be greater than zero"}));
    EXPECT_TRUE(form.Edit2->text().isEmpty());
}

TEST_F(AlfaFormTest, ShowingWithoutAParameterFileKeepsTheTexts) {
    session.Values.Ka = 4;
    form.Edit1->setText("2");
    form.show();
    EXPECT_EQ(form.Edit1->text().toStdString(), "2");
}

TEST_F(AlfaFormTest, UnwritableParameterFileSkipsTheClosingMessage) {
    session.DMOmbrel.FileName = (dir / "no such folder" / "field.inp").string();
    EnterAll("1", "1", "5", "0.5", "5", "50");
    form.Button1->click();
    EXPECT_EQ(form.Edit7->text().toStdString(), " 0.03200");  // already entered
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_NE(dialogs.messages.back(),
              "The drainage parameters were computed and its values are entered in the input "
              "tabsheet.");
}

TEST_F(AlfaFormTest, NoInputFileYetWritesBesideTheStartFolder) {
    session.DMOmbrel.FileName = (dir / "start").string();
    EnterAll("1", "1", "5", "0.5", "5", "50");
    form.Button1->click();
    EXPECT_TRUE(fs::exists(dir / "start.par"));
}

}  // namespace
}  // namespace tervala
