// What the fuzz targets share: the fuzz input as a file that the readers open
// by name, message and progress sinks that keep nothing, a drawing surface
// that checks every pixel it is given, and the check of a property, which
// stops the target so that libFuzzer keeps the input that broke it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "graphs/graph_catalogue.h"
#include "model/fit_trend_reader.h"
#include "model/graph_data_reader.h"
#include "model/messages.h"

namespace tervala::fuzz {

inline void Require(bool property, const char* what) {
    if (property) return;
    std::fprintf(stderr, "Property failed: %s\n", what);
    std::abort();
}

// A file of this process's own folder (in memory where the system has one),
// removed when the process ends.
inline std::string FuzzPath(const std::string& name) {
    static const std::string folder = [] {
        static std::string made;
        for (const char* base : {"/dev/shm", "/tmp"}) {
            made = std::string(base) + "/tervala-fuzz-XXXXXX";
            if (mkdtemp(made.data()) != nullptr) break;
            made.clear();
        }
        Require(!made.empty(), "a folder for the fuzz files");
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(made, ec);
        });
        return made;
    }();
    return folder + "/" + name;
}

inline std::string WriteFuzzFile(const std::string& name, const std::string& bytes) {
    const std::string path = FuzzPath(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class QuietMessages : public UserMessages {
  public:
    int shown = 0;
    void ShowMessage(const std::string&) override { ++shown; }
    bool AskYesNo(const std::string&) override { return false; }
};

// Pixels must stay near the picture: the mapping keeps far-off values a
// million pixels off it, and marks and bars reach a few pixels beyond.
class CheckingSurface : public DrawingSurface {
  public:
    int operations = 0;
    void SetFont(const std::string&, int) override {}
    void SetFontColour(Rgb) override {}
    void SetFillColour(Rgb) override {}
    void FillRect(int l, int t, int r, int b) override { Check({l, t, r, b}); }
    void SetPenColour(Rgb) override {}
    void SetPenWidth(int w) override { Require(w == 1 || w == 2, "pen width 1 or 2"); }
    void SetPenStyle(PenStyle) override {}
    void MoveTo(int x, int y) override { Check({x, y}); }
    void LineTo(int x, int y) override { Check({x, y}); }
    void Ellipse(int l, int t, int r, int b) override { Check({l, t, r, b}); }
    void TextOut(int x, int y, const std::string&) override { Check({x, y}); }
    void MarkOut(int x, int y, const std::string&) override { Check({x, y}); }
    TextExtent MeasureText(const std::string& text) override {
        return {7 * static_cast<int>(text.size()), 15};
    }

  private:
    void Check(std::initializer_list<int> pixels) {
        ++operations;
        for (int p : pixels) Require(p > -1'100'000 && p < 1'100'000, "pixel near the picture");
    }
};

// Reads graph `kind` of the report named by data.LastFileName (kind 8 with
// the fit file beside it) and draws it as the Graphics tab does.
inline GraphReadOutcome ReadAndDraw(TDMOmbrel& data, ProgramValues& values, GraphKind kind,
                                    UserMessages& messages) {
    if (kind == GraphKind::ObservedAgainstRecharge && !ReadFitTrend(data, values.Trend, messages))
        return GraphReadOutcome::Failed;
    const GraphReadOutcome read = ReadGraphData(data, values, kind, messages);
    if (read == GraphReadOutcome::Failed) return read;
    if (read == GraphReadOutcome::Read) {
        const GraphSeries& s = data.Graph;
        const bool analysis = IsAnalysisGraph(kind);
        for (const DataArrayR* column :
             {&s.Time, &s.Rain, &s.Recharge, &s.Alpha, analysis ? &s.Observed : &s.Discharge,
              analysis ? &s.Calculated : &s.Head}) {
            Require(column->size() == static_cast<size_t>(data.NrOfData),
                    "every column read holds a value of every row");
        }
    }
    CheckingSurface surface;
    DrawGraph(surface, GraphInput{data, values, kind});
    Require(surface.operations > 0, "a picture is drawn");
    return read;
}

inline constexpr GraphKind kAllGraphs[] = {GraphKind::ObservedCalculatedInTime,
                                           GraphKind::PredictedDischarge,
                                           GraphKind::AnalysisRainRecharge,
                                           GraphKind::PredictionRainRecharge,
                                           GraphKind::WaterTable,
                                           GraphKind::CalculatedAgainstObserved,
                                           GraphKind::ObservedAgainstRecharge,
                                           GraphKind::RechargeObservedInTime};

}  // namespace tervala::fuzz
