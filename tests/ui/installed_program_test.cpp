// The program as installed: a file handed over by the desktop opens as the
// dialogs open it, the examples stay as installed, and Help > About.
#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "tests/support/temp_dir.h"
#include "tests/ui/rain_form_fixture.h"
#include "ui/about_box.h"
#include "ui/program_folders.h"
#include "ui/program_info.h"

namespace tervala::testing {
namespace {

namespace fs = std::filesystem;

class InstalledProgram : public RainFormTest {};

std::string Example(const char* name) { return ExamplesFolder() + "/" + name; }

// What "Open input" leaves on the Input tab.
QStringList InputTab(TRainForm& f) {
    return {f.FileNameEdit->text(),          f.Title1Edit->text(),     f.NrOfDataEdit->text(),
            f.MaxStorEdit->text(),           f.EscapeEdit->text(),     f.StringGrid1->Cell(1, 0),
            f.OptionComboBox->currentText(), f.StringGrid1->Cell(3, 0)};
}

TEST_F(InstalledProgram, AFileGivenAtStartOpensAsTheDialogsOpenIt) {
    ASSERT_FALSE(ExamplesFolder().empty());
    form->OpenGivenFile(Example("Vidora.inp"));
    EXPECT_EQ(form->PageControl1->currentWidget(), form->InputTabSheet);
    const QStringList given = InputTab(*form);

    Session otherSession;
    ScriptedDialogs otherDialogs;
    TRainForm viaDialog(otherDialogs);
    viaDialog.UseDataSet(otherSession);
    viaDialog.show();
    viaDialog.PageControl1->setCurrentWidget(viaDialog.InputTabSheet);
    otherDialogs.openAnswers.push_back(Example("Vidora.inp"));
    QTest::mouseClick(viaDialog.InputOpenButton, Qt::LeftButton);
    EXPECT_EQ(given, InputTab(viaDialog));
    EXPECT_TRUE(dialogs.openRequests.empty());
    EXPECT_TRUE(dialogs.messages.empty());

    // A report opens on the Output tab, as "Open output" opens it.
    TempDir dir;
    const std::string report = dir.File("Vidora.OUT");
    WriteBytes(report, "RESULTS OF Ombrel PROGRAM\r\n\r\nfield\r\n");
    form->OpenGivenFile(report);
    EXPECT_EQ(form->PageControl1->currentWidget(), form->OutputTabSheet);
    EXPECT_EQ(form->OutputMemo->toPlainText(), "RESULTS OF Ombrel PROGRAM\n\nfield");
}

TEST_F(InstalledProgram,
       SavingAnOpenedExampleProposesTheUsersFolderAndNeverWritesAmongTheExamples) {
    ShowInputTab();
    dialogs.openAnswers.push_back(Example("VidoraPrediction.inp"));
    QTest::mouseClick(form->InputOpenButton, Qt::LeftButton);
    const std::string copy = Example("MyCopy.inp");
    dialogs.saveAnswers.push_back(copy);
    QTest::mouseClick(form->InputSaveButton, Qt::LeftButton);

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const FileDialogRequest& proposed = dialogs.saveRequests[0];
    EXPECT_FALSE(InExamplesFolder(proposed.initialFolder)) << proposed.initialFolder;
    EXPECT_EQ(proposed.initialName, "VidoraPrediction.inp");
    EXPECT_FALSE(fs::exists(copy));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0], *ExamplesKeptRefusal(copy));
    EXPECT_EQ(dialogs.messages[1], "The input data were not saved");
}

TEST_F(InstalledProgram, HelpAboutShowsVersionLicenceAndLibrariesInOneWindow) {
    QStringList menus;
    for (QAction* menu : form->MainMenu1->actions()) menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Help"}));
    for (int twice = 0; twice < 2; ++twice) {
        QApplication::setActiveWindow(form.get());
        QTest::keyClick(form.get(), Qt::Key_H, Qt::AltModifier);
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_EQ(menu, form->HelpMenu);
        QTest::keyClick(menu, Qt::Key_A);
    }
    const QList<TAboutBox*> boxes = form->findChildren<TAboutBox*>();
    ASSERT_EQ(boxes.size(), 1);
    ASSERT_TRUE(boxes[0]->isVisible());
    const QString text = boxes[0]->AboutText->text();
    for (const QString& part : {QString("Tervala ") + kProgramVersion, QString("GPL-3.0-or-later"),
                                QString("Qt ") + qVersion(), QString("libjpeg"), QString("CLI11")})
        EXPECT_TRUE(text.contains(part)) << part.toStdString();
}

}  // namespace
}  // namespace tervala::testing
