// Ending the program while Save/Run computes, as a user does it, on the real
// event loop of the program: close the main window, then press "Finish" in
// the finish window or close that window. Pins the hang in which the run
// waited for the window to show a progress line while the window waited for
// the run to end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <functional>
#include <random>

#include "app/tervala_program.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/scripted_dialogs.h"
#include "ui/string_grid.h"

namespace tervala::testing {
namespace {

// 1500 days of rain and a drain discharge scattered far around what the
// model makes of it: the search can give up few grid points early and
// computes for seconds, long enough to end the program in the middle of it.
QString LongSeries() {
    std::mt19937 random(3);  // fully specified: the same series everywhere
    auto unit = [&random] { return double(random() % 10000) / 10000; };
    QString text;
    double q = 1;
    for (int day = 1; day <= 1500; ++day) {
        const double wet = unit(), size = unit(), scale = unit(), scatter = unit();
        const double rain = wet < 0.6 ? 0 : 25 * size * scale;
        const double e = std::exp(-(0.03 * q + 0.015));
        q = q * e + (1 - e) * std::max(0.0, rain - 0.2);
        text += QString("%1\t%2\t0.2\t%3\r\n")
                    .arg(day)
                    .arg(rain, 0, 'f', 2)
                    .arg(q * (1 + 1.5 * (scatter - 0.5)), 0, 'f', 2);
    }
    return text;
}

void EndTheProgramDuringTheSearch(const std::function<void(TervalaProgram&)>& end) {
    TempDir dir;
    const std::string older = "an older report of the same name\r\n";
    WriteBytes(dir.File("long.out"), older);

    ScriptedDialogs dialogs;
    TervalaProgram program(dialogs);
    TRainForm& form = program.RainForm;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.PageControl1->setCurrentWidget(form.InputTabSheet);
    QApplication::clipboard()->setText(LongSeries());
    form.StringGrid1->setCurrentIndex(form.StringGrid1->model()->index(0, 0));
    form.StringGrid1->setFocus();
    QTest::keyClick(form.StringGrid1, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(form.StringGrid1->RowCount(), 1500);
    dialogs.saveAnswers.push_back(dir.File("long.inp"));

    // The search's first progress line says it computes: the user ends the
    // program there.
    QElapsedTimer sinceEnd;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!form.WaitMemo->toPlainText().contains("Please wait")) return;
        watch.stop();
        form.close();  // refused: the finish window opens
        EXPECT_TRUE(program.FinishForm.isVisible());
        sinceEnd.start();
        end(program);
    });
    QTimer::singleShot(0, &form, [&] {
        watch.start(5);
        QTest::mouseClick(form.InputSaveButton, Qt::LeftButton);
    });
    QApplication::exec();

    ASSERT_TRUE(sinceEnd.isValid()) << "the run ended before the user could end the program";
    EXPECT_LT(sinceEnd.elapsed(), 1000);
    EXPECT_EQ(ReadBytes(dir.File("long.out")), older);
    EXPECT_FALSE(std::filesystem::exists(dir.File("long.dat")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("long.inp")));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(FinishDuringRun, FinishButtonEndsTheProgramWithinASecondWithoutAReport) {
    EndTheProgramDuringTheSearch([](TervalaProgram& program) {
        QTest::mouseClick(program.FinishForm.FinishButton, Qt::LeftButton);
    });
}

TEST(FinishDuringRun, ClosingTheFinishWindowEndsTheProgramAsWell) {
    EndTheProgramDuringTheSearch([](TervalaProgram& program) { program.FinishForm.close(); });
}

}  // namespace
}  // namespace tervala::testing
