// The picture of a diagnosis: the search sum over the plane of the best grid
// point, the best point and the confidence region's outline.
#include <charconv>
#include <cmath>
#include <filesystem>

#include "engine/fit_diagnosis.h"
#include "engine/objective_landscape.h"
#include "model/number_text.h"

namespace tervala {

namespace {

// Cells of the map: about this many rows and columns.
constexpr int kMapRows = 64, kMapColumns = 96;

int SampleStep(int count, int cells) { return std::max(1, (count + cells - 1) / cells); }

// An axis over grid indices first..last of a coefficient with the given
// value at index 0 and step, labelled every 1, 2 or 5 times a power of ten,
// about six labels along it.
MapAxis Axis(const std::string& title, double origin, double step, int first, int last) {
    MapAxis a;
    a.Title = title;
    a.Origin = origin + first * step;
    a.Step = step;
    a.Count = last - first + 1;
    const double raw = a.Count * step / 6;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double m = raw / power;
    a.TickStep = (m < 1.5 ? 1 : m < 3.5 ? 2 : m < 7.5 ? 5 : 10) * power;
    a.TickDecimals = std::max(0, -static_cast<int>(std::floor(std::log10(a.TickStep) + 1e-9)));
    return a;
}

// "every 10th A": the ordinal of a sampling step.
std::string Every(int step, const std::string& name) {
    if (step == 1) return "every " + name;
    const int last = step % 10, tens = step % 100 / 10;
    const char* suffix = tens == 1   ? "th"
                         : last == 1 ? "st"
                         : last == 2 ? "nd"
                         : last == 3 ? "rd"
                                     : "th";
    return "every " + std::to_string(step) + suffix + " " + name;
}

std::string Six(double value) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, end.ptr);
}

std::string Coefficients(const AnalysisFit& f) {
    if (f.Kind == AnalysisKind::Discharge)
        return "A = " + FormatFixed(f.AlphaSlope, 0, 4) +
               ", C = " + FormatFixed(f.AlphaIntercept, 0, 4);
    return "B = " + FormatFixed(f.AlphaSlope, 0, 4) +
           ", F = " + FormatFixed(f.AlphaIntercept, 0, 4) + ", porosity factor " +
           FormatFixed(f.PdFrac, 0, 3);
}

}  // namespace

ObjectiveMap DiagnosisMap(const AnalysisFit& f, const FitDiagnosis& d, const DiagnosisOptions& o,
                          const GridRegion& region) {
    const bool discharge = f.Kind == AnalysisKind::Discharge;
    const GridWindow full =
        discharge ? GridWindow{o.Discharge.iFirst, o.Discharge.iLast, o.Discharge.jFirst,
                               o.Discharge.jLast}
                  : GridWindow{o.Head.iFirst, o.Head.iLast, o.Head.jFirst, o.Head.jLast};
    auto sample = [&](const GridWindow& w) {
        return SampleLandscape(
            f.Kind, f.Search, w, f.P, SampleStep(w.iLast - w.iFirst + 1, kMapRows),
            SampleStep(w.jLast - w.jFirst + 1, kMapColumns), o.Threads, o.StopRequested);
    };
    LandscapeSamples samples = sample(full);
    const bool inRegion = region.Points > 0;
    const GridWindow window = WindowOfInterest(
        samples, full, f.BestSsq, f.I, f.J, inRegion ? region.IMin : f.I,
        inRegion ? region.IMax : f.I, inRegion ? region.JMin : f.J, inRegion ? region.JMax : f.J);
    if (!(window == full)) samples = sample(window);

    ObjectiveMap m;
    const std::string file = std::filesystem::path(f.InputFile).filename().string();
    const std::string x = discharge ? "C" : "F", y = discharge ? "A" : "B";
    m.Title = "Search sum of squared deviations over " + y + " and " + x + " (logarithmic colours)";
    if (discharge) {
        m.Subtitle =
            file + ": discharge analysis of " + std::to_string(f.Rows) + " rows, alpha = A * Q + C";
        m.X = Axis("C (per time unit)", DischargeIntercept(0), 0.0001, window.jFirst, window.jLast);
        m.Y = Axis("A (per mm)", DischargeSlope(0), 0.0001, window.iFirst, window.iLast);
    } else {
        m.Subtitle = file + ": head analysis of " + std::to_string(f.Rows) +
                     " rows, alpha = B * H + F, at the best porosity factor " +
                     FormatFixed(f.PdFrac, 0, 3);
        m.X = Axis("F (per time unit)", HeadIntercept(0), 0.0005, window.jFirst, window.jLast);
        m.Y = Axis("B (per mm and time unit)", HeadSlope(0), 0.0001, window.iFirst, window.iLast);
    }
    m.BestX = f.J - window.jFirst, m.BestY = f.I - window.iFirst;
    m.BestSum = f.BestSsq;
    m.StepX = samples.StepJ, m.StepY = samples.StepI;
    m.SampleX = samples.J, m.SampleY = samples.I;
    m.Sums = std::move(samples.Sums);
    // The region's points in the window, from its plane over the full grid.
    m.Region.assign(size_t(m.X.Count) * m.Y.Count, 0);
    const int fullJ = full.jLast - full.jFirst + 1;
    if (!region.Plane.empty()) {
        for (int i = window.iFirst; i <= window.iLast; ++i)
            for (int j = window.jFirst; j <= window.jLast; ++j)
                m.Region[size_t(i - window.iFirst) * m.X.Count + (j - window.jFirst)] =
                    region.Plane[size_t(i - full.iFirst) * fullJ + (j - full.jFirst)];
    }
    m.Notes.push_back("Red cross: the best grid point, " + Coefficients(f) + ", search sum " +
                      Six(f.BestSsq) + ".");
    m.Notes.push_back(d.Limit ? "White outline: the 95 % confidence region, " +
                                    std::to_string(d.RegionPoints) +
                                    " grid points (every grid point tried)."
                              : "No confidence region: " + d.NoRegion);
    m.Notes.push_back("Colours: the search sum at " + Every(m.StepY, y) + " and " +
                      Every(m.StepX, x) + (window == full ? " of the grid" : " of the part shown") +
                      " (cells of " + std::to_string(m.StepY) + " x " + std::to_string(m.StepX) +
                      " grid points).");
    return m;
}

}  // namespace tervala
