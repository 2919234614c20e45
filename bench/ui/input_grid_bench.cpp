// How fast the Input tab's grid follows the user: raising the number of data
// from 15 to 1500 rows, and pasting a spreadsheet block of 1500 rows. Both
// should feel instant (well under 0.1 s). Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QTabWidget>

#include "engine/session.h"
#include "ui/dialogs.h"
#include "ui/rain_form.h"

namespace {

class QuietDialogs : public tervala::Dialogs {
  public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    std::optional<std::string> ChooseOpenFile(const tervala::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseSaveFile(const tervala::FileDialogRequest&) override {
        return std::nullopt;
    }
};

struct InputTab {
    tervala::Session session;
    QuietDialogs dialogs;
    tervala::TRainForm form{dialogs};

    InputTab() {
        form.UseDataSet(session);
        form.show();
        form.PageControl1->setCurrentWidget(form.InputTabSheet);
        QCoreApplication::processEvents();
    }

    void BackToTheTemplate() {
        form.ClearButtonClick();
        form.PageControl1->setCurrentWidget(form.OutputTabSheet);
        form.PageControl1->setCurrentWidget(form.InputTabSheet);
        QCoreApplication::processEvents();
    }
};

void BM_GrowTo1500Rows(benchmark::State& state) {
    InputTab tab;
    for (auto _ : state) {
        state.PauseTiming();
        tab.BackToTheTemplate();
        tab.form.NrOfDataEdit->setText("1500");
        state.ResumeTiming();
        tab.form.NrOfDataEditExit();
        QCoreApplication::processEvents();  // includes painting the grid
    }
    if (tab.session.DMOmbrel.NrOfData != 1500) state.SkipWithError("the grid did not grow");
}
BENCHMARK(BM_GrowTo1500Rows)->Unit(benchmark::kMillisecond);

void BM_Paste1500Rows(benchmark::State& state) {
    InputTab tab;
    QString block;
    for (int r = 0; r < 1500; ++r)
        block += QString("%1\t%2\t0,25\t%3\r\n").arg(r + 1).arg(r % 17 * 0.5).arg(r % 5);
    for (auto _ : state) {
        state.PauseTiming();
        tab.BackToTheTemplate();
        state.ResumeTiming();
        tab.form.StringGrid1SetEditText(0, 0, block);
        QCoreApplication::processEvents();
    }
    if (tab.session.DMOmbrel.NrOfData != 1500 || tab.session.DMOmbrel.EscData[1499] != 0.25)
        state.SkipWithError("the block was not pasted");
}
BENCHMARK(BM_Paste1500Rows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
