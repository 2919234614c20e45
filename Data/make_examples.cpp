// Writes the example input files under Data/ with the program's own input-file
// writer, so they are exactly in the layout the program reads:
//
//   Vidora.inp             discharge analysis, one year of daily rain + irrigation
//                          and drain discharge (mm/day) of a drained field
//   VidoraHead.inp         head analysis, two months of daily rain and water table
//                          height above drain level (mm)
//   VidoraPrediction.inp   prediction of discharge and water table for a wet
//                          winter quarter with a design storm
//   DrainedField.inp/.par  prediction for a pipe-drained field whose alpha
//                          function comes from the drainage calculator
//
// The data are synthetic. Rain is drawn from a seasonal wet-day chance and an
// exponential amount; the first reservoir turns it into recharge exactly as
// the engine does; the "observed" discharge and head come from the second
// reservoir with a known alpha function plus measurement noise, so an
// analysis recovers a sensible alpha function.
//
// Usage: make_examples [source folder]   (default: the source folder it was built from)
// Built only with -DTERVALA_BUILD_GENERATORS=ON; the files are committed.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "engine/drainage_inputs.h"
#include "engine/first_reservoir.h"
#include "engine/session.h"
#include "model/input_file.h"
#include "model/messages.h"

namespace tervala {
namespace {

class PrintMessages : public UserMessages {
  public:
    void ShowMessage(const std::string& text) override { std::cerr << text << '\n'; }
    bool AskYesNo(const std::string&) override { return false; }
};

// Deterministic random numbers: the engine of std::mt19937 is fully specified,
// the distributions of the standard library are not, so they are made here.
class Weather {
  public:
    explicit Weather(uint32_t seed) : engine_(seed) {}
    double Uniform() { return (engine_() + 0.5) / 4294967296.0; }
    double Exponential(double mean) { return -mean * std::log(Uniform()); }
    double Normal() {
        const double u1 = Uniform(), u2 = Uniform();
        return std::sqrt(-2 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    }

  private:
    std::mt19937 engine_;
};

// Rain of one day in mm, to 0.1 mm as a rain gauge reads it. Wet days are
// likelier in winter (day 1 is 1 January, the wettest time near day 15).
double DailyRain(Weather& w, int day, double wetChanceMean, double wetChanceSwing,
                 double meanDepth) {
    const double chance =
        wetChanceMean + wetChanceSwing * std::cos(6.283185307179586 * (day - 15) / 365.0);
    if (w.Uniform() >= chance) return 0;
    return std::round(w.Exponential(meanDepth) * 10) / 10;
}

// Observed values are read to the precision an observer writes them down:
// two decimals from 1 up, two significant digits below.
double AsRecorded(double value) {
    if (value >= 1) return std::round(value * 100) / 100;
    if (value <= 0) return 0;
    const double scale = std::pow(10.0, 1 - std::floor(std::log10(value)));
    return std::round(value * scale) / scale;
}

void SizeSeries(TDMOmbrel& dm, int n) {
    dm.NrOfData = n;
    for (DataArrayR* s : {&dm.TimeData, &dm.RainData, &dm.EscData, &dm.DischData, &dm.HeadData})
        s->assign(n, 0.0);
    dm.RowCheck.assign(n, 0);
    dm.MissingObs.assign(n, 0);
}

// Recharge of rows 1..n by the analysis rules of the first reservoir.
std::vector<double> Recharge(const TDMOmbrel& dm, RechargeVariant variant) {
    const int n = dm.NrOfData;
    ReservoirSeries s;
    s.Resize(n);
    for (int k = 1; k <= n; ++k) {
        s.Time[k] = dm.TimeData[k - 1];
        s.Rain[k] = dm.RainData[k - 1];
        s.Esc[k] = dm.EscData[k - 1];
    }
    EngineFlags flags;
    PrintMessages messages;
    double iniSto = dm.IniSto;
    if (variant == RechargeVariant::Analysis) MoveNegativeEscapeToRain(n, s);
    if (!ComputeRecharge(variant, n, dm.MaxSto, iniSto, s, flags, messages)) {
        std::cerr << "the first reservoir refused the example data\n";
        std::exit(1);
    }
    return s.Rech;
}

bool Write(Session& s, const std::string& name) {
    PrintMessages messages;
    s.DMOmbrel.FileName = "Data/" + name;
    if (!WriteInputFile(s.DMOmbrel, s.Values, messages)) return false;
    std::cout << s.DMOmbrel.FileName << '\n';
    return true;
}

// One year of daily data from a drained field in a seepage area, where the
// net escape from the top soil (evaporation less upward seepage) is small;
// summer irrigation keeps the drains running.
bool MakeVidora() {
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    dm.ModeTag = kDischargeTag;
    dm.DischargeMode = true;
    dm.Title1 = "Vidora drained field (example): rain + irrigation and drain discharge";
    dm.Title2 = "Daily data of one year: time in days, rain and discharge in mm/day";
    dm.MaxSto = 50;
    dm.IniSto = 30;
    dm.MaxEsc = 0.2;
    const int n = 365;
    SizeSeries(dm, n);
    Weather w(20240101u);
    for (int i = 0; i < n; ++i) {
        const int day = i + 1;
        dm.TimeData[i] = day;
        double rain = day <= 2 ? 0 : DailyRain(w, day, 0.33, 0.17, 7.5);
        // Irrigation gifts of 20 mm every fortnight in the dry summer.
        if (day >= 150 && day <= 250 && (day - 150) % 14 == 0) rain += 20;
        dm.RainData[i] = rain;
        dm.EscData[i] = 0.2;
    }
    // The second reservoir of the engine with alpha = 0.04 * Q + 0.05 per day.
    const double A = 0.04, C = 0.05;
    const std::vector<double> rech = Recharge(dm, RechargeVariant::Analysis);
    Weather noise(777u);
    double q = 2.0;  // mm/day at the start of the year
    dm.DischData[0] = q;
    for (int k = 2; k <= n; ++k) {
        double alpha = A * q + C;
        if (alpha < 0) alpha = 0;
        const double delta = dm.TimeData[k - 1] - dm.TimeData[k - 2];
        const double e = std::exp(-alpha * delta);
        q = q * e + (1 - e) * rech[k];
        dm.DischData[k - 1] = AsRecorded(q * (1 + 0.08 * noise.Normal()));
    }
    return Write(s, "Vidora.inp");
}

// Two months of a wet spring in which the water table was read daily midway
// between the drains, in mm above drain level.
bool MakeVidoraHead() {
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    dm.ModeTag = kHeadTag;
    dm.HeadMode = true;
    dm.Title1 = "Vidora drained field (example): rain and water table midway between drains";
    dm.Title2 = "Daily data: time in days, rain in mm/day, head above drain level in mm";
    dm.MaxSto = 40;
    dm.IniSto = 35;
    dm.MaxEsc = 0.5;
    const int n = 60;
    SizeSeries(dm, n);
    Weather w(4242u);
    for (int i = 0; i < n; ++i) {
        dm.TimeData[i] = 60 + i;  // days since 1 January
        dm.RainData[i] = i < 2 ? 0 : DailyRain(w, 60 + i, 0.35, 0.1, 8);
        dm.EscData[i] = 0.5;
    }
    // alpha = 0.0004 * H + 0.02 per day; drainable porosity 10 % (factor 0.2).
    const double B = 0.0004, F = 0.02, pdFrac = 0.2;
    const std::vector<double> rech = Recharge(dm, RechargeVariant::Analysis);
    Weather noise(99u);
    double h = 420;
    dm.HeadData[0] = h;
    for (int k = 2; k <= n; ++k) {
        const double alpha = B * h + F;
        const double delta = dm.TimeData[k - 1] - dm.TimeData[k - 2];
        const double e = std::exp(-alpha * delta);
        h = h * e + (1 - e) * rech[k] / (pdFrac * alpha);
        dm.HeadData[k - 1] = std::round(std::max(0.0, h + 6 * noise.Normal()));
    }
    return Write(s, "VidoraHead.inp");
}

void Prediction(TDMOmbrel& dm, int n, uint32_t seed, double stormDay, double stormDepth,
                double escape) {
    SizeSeries(dm, n);
    Weather w(seed);
    for (int i = 0; i < n; ++i) {
        const int day = i + 1;
        dm.TimeData[i] = day;
        double rain = DailyRain(w, day, 0.4, 0.1, 7);
        if (day == stormDay) rain = stormDepth;
        dm.RainData[i] = rain;
        dm.EscData[i] = escape;
    }
}

// The alpha function found for Vidora applied to a wet winter quarter with a
// design storm of 60 mm on day 40.
bool MakeVidoraPrediction() {
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    dm.ModeTag = kPredictionTag;
    dm.AlphaTag = kLinearAlphaTag;
    dm.PredictionMode = true;
    dm.Title1 = "Vidora drained field (example): prediction with a design storm of 60 mm";
    dm.Title2 = "Daily data: time in days, rain in mm/day; discharge mm/day, head mm";
    dm.MaxSto = 50;
    dm.IniSto = 45;
    dm.MaxEsc = 0.2;
    s.Values.MCoeff = 0.04;
    s.Values.NValue = 0.05;
    dm.Porosity = 10;
    dm.RunIni = 2;
    dm.HeadIni = 300;
    Prediction(dm, 90, 31u, 40, 60, 0.2);
    return Write(s, "VidoraPrediction.inp");
}

// A field with pipe drains 50 m apart at the depth where a 5 m layer of
// equally permeable soil (1 m/day) rests on an impermeable base; the alpha
// function is the drainage calculator's, and the ".par" file beside the
// input keeps the six quantities it was derived from.
bool MakeDrainedField() {
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    ProgramValues& v = s.Values;
    v.Ka = 1;
    v.Kb = 1;
    v.D = 5;
    v.U = 0.5;
    v.L = 50;
    dm.Porosity = 5;
    const DrainageResult r =
        ComputeDrainageResult(DrainageParameters{v.Ka, v.Kb, v.D, v.U, 5, v.L});
    v.MCoeff = r.M;
    v.NValue = r.N;
    dm.ModeTag = kPredictionTag;
    dm.AlphaTag = kLinearAlphaTag;
    dm.PredictionMode = true;
    dm.ParFileRead = true;  // the writer puts the ".par" file beside the input file
    dm.Title1 = "Pipe-drained field (example): Ka = Kb = 1 m/day, D = 5 m, L = 50 m, P = 5 %";
    dm.Title2 = "Daily data: time in days, rain in mm/day; discharge mm/day, head mm";
    dm.MaxSto = 30;
    dm.IniSto = 25;
    dm.MaxEsc = 0.3;
    dm.RunIni = 1;
    dm.HeadIni = 250;
    Prediction(dm, 60, 5150u, 20, 45, 0.3);
    return Write(s, "DrainedField.inp");
}

}  // namespace
}  // namespace tervala

int main(int argc, char** argv) {
    const std::filesystem::path root = argc > 1 ? argv[1] : TERVALA_SOURCE_DIR;
    std::filesystem::current_path(root);  // files name themselves "Data/<name>"
    bool ok = tervala::MakeVidora();
    ok = tervala::MakeVidoraHead() && ok;
    ok = tervala::MakeVidoraPrediction() && ok;
    ok = tervala::MakeDrainedField() && ok;
    return ok ? 0 : 1;
}
