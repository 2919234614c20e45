// The single-value fields of the Input tab: each check's messages, the text
// put in place of a refused one, and the value kept in the data set.
#include "tests/ui/rain_form_fixture.h"

namespace tervala::testing {
namespace {

class ParameterFields : public RainFormTest {
  protected:
    void SetUp() override {
        RainFormTest::SetUp();
        ShowInputTab();
        dialogs.Clear();
    }

    void Leave(QLineEdit* field, const QString& text, void (TRainForm::*check)()) {
        dialogs.Clear();
        field->setText(text);
        (form.get()->*check)();
    }
    std::vector<std::string> Said(std::initializer_list<const char*> texts) {
        return std::vector<std::string>(texts.begin(), texts.end());
    }
};

TEST_F(ParameterFields, MaximumStorageAcceptsADecimalComma) {
    Leave(form->MaxStorEdit, "2,5", &TRainForm::MaxStorEditExit);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dm().MaxSto, 2.5);
    EXPECT_EQ(form->MaxStorEdit->text(), "2,5");
}

TEST_F(ParameterFields, MaximumStorageThatIsNoNumberReadsZeroAndKeepsTheValue) {
    Leave(form->MaxStorEdit, "abc", &TRainForm::MaxStorEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The maximum storage is not a valid real"}));
    EXPECT_EQ(form->MaxStorEdit->text(), "0");
    EXPECT_EQ(dm().MaxSto, 50);
}

TEST_F(ParameterFields, NegativeMaximumStorageIsShownAsZeroButStored) {
    Leave(form->MaxStorEdit, "-1", &TRainForm::MaxStorEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The maximum storage must be >= 0"}));
    EXPECT_EQ(form->MaxStorEdit->text(), "0");
    EXPECT_EQ(dm().MaxSto, -1);
}

TEST_F(ParameterFields, ZeroPassesEveryRangeTest) {
    Leave(form->MaxStorEdit, "0", &TRainForm::MaxStorEditExit);
    Leave(form->InitStorEdit, "0", &TRainForm::InitStorEditExit);
    Leave(form->InitRunEdit, "0", &TRainForm::InitRunEditExit);
    Leave(form->InitLevelEdit, "0", &TRainForm::InitLevelEditExit);
    Leave(form->PorosityEdit, "0", &TRainForm::PorosityEditExit);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dm().MaxSto, 0);
    EXPECT_EQ(dm().Porosity, 0);
}

TEST_F(ParameterFields, InitialStorage) {
    Leave(form->InitStorEdit, "x1", &TRainForm::InitStorEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The initial storage is not a valid real"}));
    EXPECT_EQ(form->InitStorEdit->text(), "0");
    EXPECT_EQ(dm().IniSto, 50);

    Leave(form->InitStorEdit, "-3", &TRainForm::InitStorEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The initial storage must be >= 0"}));
    EXPECT_EQ(form->InitStorEdit->text(), "0");
    EXPECT_EQ(dm().IniSto, -3);

    // Not compared with the maximum storage.
    Leave(form->InitStorEdit, "500", &TRainForm::InitStorEditExit);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dm().IniSto, 500);
}

TEST_F(ParameterFields, AlphaCoefficientHasOnlyTheNumberCheck) {
    Leave(form->A1coeffEdit, "m", &TRainForm::A1coeffEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The A1 coefficient is not a valid real"}));
    EXPECT_EQ(form->A1coeffEdit->text(), "0");
    EXPECT_EQ(session.Values.MCoeff, 0);

    Leave(form->A1coeffEdit, "-0,125", &TRainForm::A1coeffEditExit);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(session.Values.MCoeff, -0.125);
}

TEST_F(ParameterFields, InitialRunoff) {
    dm().RunIni = 4;
    Leave(form->InitRunEdit, "abc", &TRainForm::InitRunEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The initial runoff is not a valid real"}));
    EXPECT_EQ(form->InitRunEdit->text(), "0");
    EXPECT_EQ(dm().RunIni, 4);

    Leave(form->InitRunEdit, "-0.5", &TRainForm::InitRunEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The initial runoff must be >= 0"}));
    EXPECT_EQ(form->InitRunEdit->text(), "0");
    EXPECT_EQ(dm().RunIni, -0.5);

    Leave(form->InitRunEdit, "1.25", &TRainForm::InitRunEditExit);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dm().RunIni, 1.25);
}

TEST_F(ParameterFields, InitialLevel) {
    Leave(form->InitLevelEdit, "1.2,5", &TRainForm::InitLevelEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The initial level is not a valid real"}));
    EXPECT_EQ(form->InitLevelEdit->text(), "0");

    Leave(form->InitLevelEdit, "-10", &TRainForm::InitLevelEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The initial level must be >= 0"}));
    EXPECT_EQ(form->InitLevelEdit->text(), "0");
    EXPECT_EQ(dm().HeadIni, -10);

    Leave(form->InitLevelEdit, "350", &TRainForm::InitLevelEditExit);
    EXPECT_EQ(dm().HeadIni, 350);
}

TEST_F(ParameterFields, PorosityBelowZeroOrFromHundredIsShownAsFive) {
    Leave(form->PorosityEdit, "100", &TRainForm::PorosityEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The porosity must be < 100%"}));
    EXPECT_EQ(form->PorosityEdit->text(), " 5");
    EXPECT_EQ(dm().Porosity, 100);

    Leave(form->PorosityEdit, "-1", &TRainForm::PorosityEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The porosity must be >= 0"}));
    EXPECT_EQ(form->PorosityEdit->text(), " 5");
    EXPECT_EQ(dm().Porosity, -1);

    Leave(form->PorosityEdit, "99.9", &TRainForm::PorosityEditExit);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->PorosityEdit->text(), "99.9");
    EXPECT_EQ(dm().Porosity, 99.9);

    Leave(form->PorosityEdit, "five", &TRainForm::PorosityEditExit);
    EXPECT_EQ(dialogs.messages, Said({"The porosity is not a valid real"}));
    EXPECT_EQ(form->PorosityEdit->text(), "0");
    EXPECT_EQ(dm().Porosity, 99.9);
}

TEST_F(ParameterFields, LeavingAFieldByFocusRunsItsCheck) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->MaxStorEdit->setFocus();
    ASSERT_TRUE(form->MaxStorEdit->hasFocus());
    form->MaxStorEdit->setText("-7");
    form->InitStorEdit->setFocus();
    EXPECT_EQ(dialogs.messages, Said({"The maximum storage must be >= 0"}));
    EXPECT_EQ(dm().MaxSto, -7);
    EXPECT_EQ(form->MaxStorEdit->text(), "0");
}

TEST_F(ParameterFields, FieldsCarryTheirLabelsAndFormDefaults) {
    EXPECT_EQ(form->MaxStorLabel->text(), "Max, storage (mm)");
    EXPECT_EQ(form->InitStorLabel->text(), "Init. storage (mm)");
    EXPECT_EQ(form->EscapeLabel->text(), "Maximum escape rate");
    EXPECT_EQ(form->A1coeffLabel->text(), "M coefficient");
    EXPECT_EQ(form->B1valueLabel->text(), "N value");
    EXPECT_EQ(form->InitRunLabel->text(), "Initial runoff");
    EXPECT_EQ(form->InitLevelLabel->text(), "Initial water level");
    EXPECT_EQ(form->PorosityLabel->text(), "Drainable porosity (%)");
    EXPECT_EQ(form->FirstReservoirBox->title(), "First reservoir (see Figure)");
    EXPECT_EQ(form->AlphaDrainBox->title(), "Alpha characteristics");
    EXPECT_EQ(form->PredictGroupBox->title(), "Initialize");
    EXPECT_EQ(form->InitRunEdit->text(), "0");
    EXPECT_EQ(form->InitLevelEdit->text(), "0");
    EXPECT_EQ(form->PorosityEdit->text(), "5");
    EXPECT_FALSE(form->EscapeEdit->isVisible());
    EXPECT_FALSE(form->EscapeLabel->isVisible());
}

}  // namespace
}  // namespace tervala::testing
