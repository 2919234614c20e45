// The program as installed: a file handed over by the desktop opens as the
// dialogs open it, the examples stay as installed, and Help > About.
#include <QComboBox>

#include "tests/ui/window_harness.h"
#include "ui/about_box.h"
#include "ui/program_folders.h"
#include "ui/program_info.h"

namespace tervala::testing {
namespace {

std::string Example(const char* name) { return ExamplesFolder() + "/" + name; }

// What "Open input" leaves on the Input tab.
QStringList InputTab(TRainForm& f) {
    return {f.FileNameEdit->text(),          f.Title1Edit->text(),     f.NrOfDataEdit->text(),
            f.MaxStorEdit->text(),           f.EscapeEdit->text(),     f.StringGrid1->Cell(1, 0),
            f.OptionComboBox->currentText(), f.StringGrid1->Cell(3, 0)};
}

TEST(InstalledProgram, AFileGivenAtStartOpensAsTheDialogsOpenIt) {
    ASSERT_FALSE(ExamplesFolder().empty());
    Windows given, chosen(true);
    given.form.OpenGivenFile(Example("Vidora.inp"));
    EXPECT_EQ(given.form.PageControl1->currentWidget(), given.form.InputTabSheet);
    chosen.OpenInput(Example("Vidora.inp"));
    EXPECT_EQ(InputTab(given.form), InputTab(chosen.form));
    EXPECT_TRUE(given.dialogs.openRequests.empty() && given.dialogs.messages.empty());
    // A report opens on the Output tab, as "Open output" opens it.
    given.form.OpenGivenFile(
        given.dir.Write("Vidora.OUT", "RESULTS OF Ombrel PROGRAM\r\n\r\nfield\r\n"));
    EXPECT_EQ(given.form.PageControl1->currentWidget(), given.form.OutputTabSheet);
    EXPECT_EQ(given.form.OutputMemo->toPlainText(), "RESULTS OF Ombrel PROGRAM\n\nfield");
}

TEST(InstalledProgram, SavingAnOpenedExampleProposesTheUsersFolderAndNeverWritesAmongTheExamples) {
    Windows w(true);
    w.OpenInput(Example("VidoraPrediction.inp"));
    const std::string copy = Example("MyCopy.inp");
    w.dialogs.saveAnswers.push_back(copy);
    w.Click(w.form.InputSaveButton);
    ASSERT_EQ(w.dialogs.saveRequests.size(), 1u);
    const FileDialogRequest& proposed = w.dialogs.saveRequests[0];
    EXPECT_FALSE(InExamplesFolder(proposed.InitialFolder)) << proposed.InitialFolder;
    EXPECT_EQ(proposed.InitialName, "VidoraPrediction.inp");
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_EQ(w.dialogs.messages, (std::vector<std::string>{*ExamplesKeptRefusal(copy),
                                                            "The input data were not saved"}));
}

TEST(InstalledProgram, HelpAboutShowsVersionLicenceAndLibrariesInOneWindow) {
    Windows w;
    QStringList menus;
    for (QAction* menu : w.form.MainMenu1->actions()) menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Help"}));
    for (int twice = 0; twice < 2; ++twice) {
        QTest::keyClick(&w.form, Qt::Key_H, Qt::AltModifier);
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_EQ(menu, w.form.HelpMenu);
        QTest::keyClick(menu, Qt::Key_A);
    }
    const QList<TAboutBox*> boxes = w.form.findChildren<TAboutBox*>();
    ASSERT_EQ(boxes.size(), 1);
    ASSERT_TRUE(boxes[0]->isVisible());
    const QString text = boxes[0]->AboutText->text();
    for (const QString& part : {QString("Tervala ") + kProgramVersion, QString("GPL-3.0-or-later"),
                                QString("Qt ") + qVersion(), QString("libjpeg"), QString("CLI11")})
        EXPECT_TRUE(text.contains(part)) << part.toStdString();
}

}  // namespace
}  // namespace tervala::testing
