// Start-up, tab guidance, menus and actions, the Intro tab's detail pages,
// window placement and closing through the finish window.
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>

#include "tests/ui/rain_form_fixture.h"

namespace tervala::testing {
namespace {

const char* kIntroStatus = "Click on the Input tab to proceed.";
const char* kInputStatus =
    "Enter data or use \"Open input\" to see examples under \"Data\" or to edit existing files. "
    "Thereafter use \"Save/Run\".";
const char* kOutputStatus =
    "The output file can be inspected. Use \"Open output\" to see examples under \"Data\" or to "
    "inspect any other output file.";
const char* kGraphicsStatus =
    "Graphics presentations of output data can be seen and saved. Use \"Make graph\" to open an "
    "output file and make the graphs.";

using MainWindow = RainFormTest;

TEST_F(MainWindow, StartsOnTheIntroTabWithItsGuidanceAndSaveInputDisabled) {
    EXPECT_EQ(form->windowTitle(), "Tervala, calcuations for sunsurface drainage");
    EXPECT_EQ(form->PageControl1->currentWidget(), form->IntroTabSheet);
    EXPECT_EQ(form->StatusText(), kIntroStatus);
    EXPECT_FALSE(form->InputSaveAction->isEnabled());
    EXPECT_FALSE(form->InputSaveButton->isEnabled());
    EXPECT_FALSE(form->GraphSaveAction->isEnabled());
    EXPECT_FALSE(form->FileNameEdit->isVisible());
    EXPECT_FALSE(form->FileNameLabel->isVisible());
    EXPECT_FALSE(form->DataEntered);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, IntroTabGivesANewDataSetItsStartingValuesAndTheModeOfTheSelector) {
    EXPECT_EQ(dm().MaxSto, 50);
    EXPECT_EQ(dm().IniSto, 50);
    EXPECT_EQ(dm().MaxEsc, 0.1);
    EXPECT_TRUE(dm().DischargeMode);
    EXPECT_FALSE(dm().PredictionMode);
    EXPECT_EQ(dm().ModeTag, " Dis");
    EXPECT_EQ(dm().AlphaTag, " Lin");
}

TEST_F(MainWindow, IntroTabKeepsValuesThatAreNotZero) {
    dm().MaxSto = 120;
    dm().IniSto = 0.5;
    dm().MaxEsc = -0.2;
    form->PageControl1->setCurrentWidget(form->FigureTabSheet);
    form->PageControl1->setCurrentWidget(form->IntroTabSheet);
    EXPECT_EQ(dm().MaxSto, 120);
    EXPECT_EQ(dm().IniSto, 0.5);
    EXPECT_EQ(dm().MaxEsc, -0.2);
}

TEST_F(MainWindow, EachTabWritesItsGuidanceAndSaveInputIsOfferedOnlyOnTheInputTab) {
    ShowInputTab();
    EXPECT_EQ(form->StatusText(), kInputStatus);
    EXPECT_TRUE(form->InputSaveAction->isEnabled());
    EXPECT_TRUE(form->InputSaveButton->isEnabled());

    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    EXPECT_EQ(form->StatusText(), kOutputStatus);
    EXPECT_FALSE(form->InputSaveAction->isEnabled());
    EXPECT_FALSE(form->ViewGraphButton->isVisible());

    form->PageControl1->setCurrentWidget(form->GraphicsTabSheet);
    EXPECT_EQ(form->StatusText(), kGraphicsStatus);
    EXPECT_FALSE(form->InputSaveAction->isEnabled());
    EXPECT_FALSE(form->BlWhButton->isEnabled());
    EXPECT_FALSE(form->CommentButton->isEnabled());
    EXPECT_TRUE(form->SeeGraphButton->isVisible());

    // The Figure tab leaves the guidance of the tab before it.
    form->PageControl1->setCurrentWidget(form->FigureTabSheet);
    EXPECT_EQ(form->StatusText(), kGraphicsStatus);

    form->PageControl1->setCurrentWidget(form->IntroTabSheet);
    EXPECT_EQ(form->StatusText(), kIntroStatus);
    EXPECT_FALSE(form->InputSaveAction->isEnabled());
}

TEST_F(MainWindow, OutputTabOffersViewGraphOnlyOnceAReportWasShown) {
    form->ReportShown = true;
    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    EXPECT_TRUE(form->ViewGraphButton->isVisible());
}

TEST_F(MainWindow, TabsCarryTheirCaptionsInOrder) {
    ASSERT_EQ(form->PageControl1->count(), 5);
    EXPECT_EQ(form->PageControl1->tabText(0), "  Intro  ");
    EXPECT_EQ(form->PageControl1->tabText(1), " Figure ");
    EXPECT_EQ(form->PageControl1->tabText(2), "  Input  ");
    EXPECT_EQ(form->PageControl1->tabText(3), "  Output  ");
    EXPECT_EQ(form->PageControl1->tabText(4), " Graphics ");
}

TEST_F(MainWindow, FileAndEditMenusHoldTheActionsInOrder) {
    const QList<QAction*> menus = form->MainMenu1->actions();
    ASSERT_EQ(menus.size(), 3);  // File and Edit, then Help (About) after them
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Edit");

    QStringList file;
    for (QAction* a : form->FileMenu->actions())
        if (!a->isSeparator()) file << a->text();
    EXPECT_EQ(file, QStringList({"Open &Input", "Import &series...", "Open &Output", "Open &Graph",
                                 "Save i&Nput", "Save g&Raph", "Program e&Xit"}));
    QStringList edit;
    for (QAction* a : form->EditMenu->actions()) edit << a->text();
    EXPECT_EQ(edit, QStringList({"&Copy", "Cu&t", "&Paste"}));
}

TEST_F(MainWindow, ActionsCarryTheirCaptionsShortcutsAndHints) {
    EXPECT_EQ(form->EditCut1->text(), "Cu&t");
    EXPECT_EQ(form->EditCut1->shortcut(), QKeySequence("Ctrl+X"));
    EXPECT_EQ(form->EditCut1->toolTip(), "Cut");
    EXPECT_EQ(form->EditCut1->statusTip(), "Cuts the selection and puts it on the Clipboard");
    EXPECT_EQ(form->EditCopy1->text(), "&Copy");
    EXPECT_EQ(form->EditCopy1->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(form->EditCopy1->statusTip(), "Copies the selection and puts it on the Clipboard");
    EXPECT_EQ(form->EditPaste1->text(), "&Paste");
    EXPECT_EQ(form->EditPaste1->shortcut(), QKeySequence("Ctrl+V"));
    EXPECT_EQ(form->EditPaste1->statusTip(), "Inserts Clipboard contents");
    EXPECT_EQ(form->EditDelete1->text(), "&Delete");
    EXPECT_EQ(form->EditDelete1->shortcut(), QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(form->EditDelete1->statusTip(), "Erases the selection");
    EXPECT_EQ(form->FileExit1->text(), "E&xit");
    EXPECT_EQ(form->FileExit1->toolTip(), "Exit");
    EXPECT_EQ(form->FileExit1->statusTip(), "Quits the application");
    EXPECT_EQ(form->InputSaveAction->text(), "Save i&Nput");
    EXPECT_EQ(form->InputOpenAction->text(), "Open &Input");
    EXPECT_EQ(form->OutputOpenAction->text(), "Open &Output");
    EXPECT_EQ(form->GraphOpenAction->text(), "Open &Graph");
    EXPECT_EQ(form->OutputOpenForGraphics->text(), "Open &Graph");
    EXPECT_EQ(form->GraphSaveAction->text(), "Save g&Raph");
}

TEST_F(MainWindow, ButtonsBoundToActionsKeepCaptionsOfTheirOwn) {
    EXPECT_EQ(form->InputOpenButton->text(), " Open input");
    EXPECT_EQ(form->InputSaveButton->text(), " Save / Run");
    EXPECT_EQ(form->SeeGraphButton->text(), "Open graph");
    EXPECT_EQ(form->MakeGraphButton->text(), "Make graph");
    EXPECT_EQ(form->SaveGraphButton->text(), "Save color graph");
    EXPECT_EQ(form->SeeOutputButton->text(), "Open &Output");
    EXPECT_EQ(form->HelpButton->text(), "Start help, units");
    EXPECT_EQ(form->AlfaButton->text(), "AlfaCalc");
    EXPECT_EQ(form->ClearButton->text(), "Clear all");
    EXPECT_EQ(form->CommentButton->text(), "Comment");
}

TEST_F(MainWindow, InputTabControlsCarryTheirHints) {
    EXPECT_EQ(form->TimeLabel->toolTip(), "Give time in units (hr, day), not dates");
    EXPECT_EQ(form->RainLabel->toolTip(), "Use mm per time unit");
    EXPECT_EQ(form->RunoffLabel->toolTip(), "Use mm per time unit");
    EXPECT_EQ(form->Title1Edit->toolTip(), "Description of the area");
    EXPECT_EQ(form->Title2Edit->toolTip(), "Particulars and units used (e.g. mm, day)");
    EXPECT_EQ(form->MaxStorEdit->toolTip(), "> 0");
    EXPECT_EQ(form->InitStorEdit->toolTip(), "<= Maximum storage");
    EXPECT_EQ(form->EscapeEdit->toolTip(), "< 0.1 * maximum storage");
    EXPECT_EQ(form->A1coeffEdit->toolTip(), ">= 0");
    EXPECT_EQ(form->B1valueEdit->toolTip(), ">= 0");
}

TEST_F(MainWindow, ControlsAreFoundByTheirNames) {
    for (const char* name :
         {"StringGrid1",     "NrOfDataEdit", "MaxStorEdit",   "InitStorEdit",    "EscapeEdit",
          "A1coeffEdit",     "B1valueEdit",  "InitRunEdit",   "InitLevelEdit",   "PorosityEdit",
          "OptionComboBox",  "ClearButton",  "AlphaDrainBox", "PredictGroupBox", "TryMemo",
          "AlfaMemo",        "StartLabel",   "OutputMemo",    "IntroMemo",       "RefMemo",
          "Reservoir_Image", "InputImage",   "PageControl1",  "StatusBar1"}) {
        EXPECT_NE(form->findChild<QWidget*>(name), nullptr) << name;
    }
    for (const char* name : {"EditCut1", "EditCopy1", "EditPaste1", "EditDelete1", "FileExit1",
                             "InputSaveAction", "InputOpenAction", "OutputOpenAction"}) {
        EXPECT_NE(form->findChild<QAction*>(name), nullptr) << name;
    }
}

TEST_F(MainWindow, DetailButtonsShowOnePageAndBackReturnsToTheIntroduction) {
    form->FirstButton->click();
    EXPECT_TRUE(form->FirstMemo->isVisible());
    EXPECT_FALSE(form->IntroMemo->isVisible());
    form->AlphaButton->click();
    EXPECT_TRUE(form->AlphaMemo->isVisible());
    EXPECT_FALSE(form->FirstMemo->isVisible());
    EXPECT_FALSE(form->SecondMemo->isVisible());
    EXPECT_FALSE(form->HeadMemo->isVisible());
    EXPECT_FALSE(form->IntroMemo->isVisible());
    form->BackButton->click();
    EXPECT_TRUE(form->IntroMemo->isVisible());
    EXPECT_FALSE(form->AlphaMemo->isVisible());

    form->HeadButton->click();
    form->PageControl1->setCurrentWidget(form->FigureTabSheet);
    form->PageControl1->setCurrentWidget(form->IntroTabSheet);
    EXPECT_TRUE(form->IntroMemo->isVisible());
    EXPECT_FALSE(form->HeadMemo->isVisible());
}

TEST_F(MainWindow, DetailButtonsCarryTheirCaptions) {
    EXPECT_EQ(form->DetailsBox->title(), "Details");
    EXPECT_EQ(form->FirstButton->text(), "1st (pre) reservoir");
    EXPECT_EQ(form->SecondButton->text(), "2nd (main) reservoir");
    EXPECT_EQ(form->AlphaButton->text(), "Alpha (response) function");
    EXPECT_EQ(form->HeadButton->text(), "Water level (head)");
    EXPECT_EQ(form->BackButton->text(), "Back");
}

TEST_F(MainWindow, ClosingIsRefusedAndShowsTheFinishWindow) {
    QSignalSpy ended(finish.get(), &TFinishForm::EndProgram);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(finish->isVisible());
    EXPECT_EQ(finish->windowTitle(), "Ombrel finish");
    EXPECT_EQ(finish->StatusText(), "Click on the Finish button to end program");
    EXPECT_EQ(finish->FinishButton->text(), "Finish");
    EXPECT_EQ(finish->FinishMemo->toPlainText(), "\nThank you for using Tervala");
    EXPECT_EQ(ended.count(), 0);
}

TEST_F(MainWindow, ProgramExitFromTheFileMenuAlsoOnlyShowsTheFinishWindow) {
    form->ProgramExitItem->trigger();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(finish->isVisible());
}

TEST_F(MainWindow, FinishButtonEndsTheProgram) {
    QSignalSpy ended(finish.get(), &TFinishForm::EndProgram);
    form->close();
    finish->FinishButton->click();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(MainWindow, ClosingTheFinishWindowEndsTheProgram) {
    QSignalSpy ended(finish.get(), &TFinishForm::EndProgram);
    form->close();
    EXPECT_TRUE(finish->close());
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(MainWindow, OpensAtLeft100With675PixelsOnAWideScreen) {
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    ASSERT_GT(screenWidth, 675);
    EXPECT_EQ(form->pos().x(), 100);
    EXPECT_EQ(form->width(), 675);
}

TEST(WindowPlacement, NarrowScreenOpensAtLeft10WithTheScreenWidthLess10) {
    const WindowPlacement p = PlaceMainWindow(640, 675);
    EXPECT_EQ(p.left, 10);
    EXPECT_EQ(p.width, 630);
}

TEST(WindowPlacement, WideScreenOpensAtLeft100With675) {
    const WindowPlacement p = PlaceMainWindow(1024, 675);
    EXPECT_EQ(p.left, 100);
    EXPECT_EQ(p.width, 675);
}

TEST(WindowPlacement, ScreenAsWideAsTheWindowKeepsTheDesign) {
    const WindowPlacement p = PlaceMainWindow(675, 675);
    EXPECT_EQ(p.left, 100);
    EXPECT_EQ(p.width, 675);
}

}  // namespace
}  // namespace tervala::testing

namespace tervala::testing {
namespace {

TEST_F(MainWindow, IntroAndDetailPagesShowTheirTextsUnderTheirHeadings) {
    EXPECT_TRUE(form->IntroMemo->toPlainText().startsWith("INTRODUCTION TO THE Tervala PROGRAM"));
    EXPECT_TRUE(form->FirstMemo->toPlainText().startsWith(
        "CONVERSION OF RAINFALL INTO RECHARGE THROUGH THE\nFIRST RESERVOIR"));
    EXPECT_TRUE(form->SecondMemo->toPlainText().startsWith(
        "CALCULATING RUNOFF FROM THE SECOND RESERVOIR\nUSING THE RECHARGE COMING FROM THE FIRST"));
    EXPECT_TRUE(form->AlphaMemo->toPlainText().startsWith(
        "DETERMING THE ALPHA FUNCTION FROM RAINFALL-RUNOFF DATA"));
    EXPECT_TRUE(
        form->HeadMemo->toPlainText().startsWith("DETERMINING THE WATER LEVEL (HYDRAULIC HEAD)"));
}

TEST_F(MainWindow, StartHelpPressedTwiceShowsOneHelpWindow) {
    ShowInputTab();
    form->HelpButton->click();
    form->HelpButton->click();
    EXPECT_TRUE(help->isVisible());
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<THelpForm*>(w) && w->isVisible()) ++shown;
    EXPECT_EQ(shown, 1);
}

TEST_F(MainWindow, AlfaCalcShowsTheCalculator) {
    form->AlfaButton->click();
    EXPECT_TRUE(alfa->isVisible());
}

TEST_F(MainWindow, InputTabShowsTheCalculatorWhenAParameterFileWasRead) {
    dm().ParFileRead = true;
    ShowInputTab();
    EXPECT_TRUE(alfa->isVisible());
}

TEST_F(MainWindow, TabChangesHideTheCommentWindowAndDisableItsButton) {
    for (QWidget* tab :
         {form->InputTabSheet, form->OutputTabSheet, form->GraphicsTabSheet, form->IntroTabSheet}) {
        form->CommentButton->setEnabled(true);
        form->CommentButtonClick();
        ASSERT_TRUE(comment->isVisible());
        form->PageControl1->setCurrentWidget(tab);
        EXPECT_FALSE(comment->isVisible()) << tab->objectName().toStdString();
        EXPECT_FALSE(form->CommentButton->isEnabled());
    }
}

TEST_F(MainWindow, FigureAndInputTabsShowTheirPictures) {
    ASSERT_FALSE(form->Reservoir_Image->pixmap().isNull());
    EXPECT_GT(form->Reservoir_Image->pixmap().width(), 300);
    EXPECT_FALSE(form->InputImage->pixmap().isNull());
}

}  // namespace
}  // namespace tervala::testing
