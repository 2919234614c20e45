// The fit diagnostics as text for people and as JSON for scripts.
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

#include "engine/fit_diagnosis.h"
#include "model/number_text.h"

namespace tervala {

namespace {

bool Discharge(const FitDiagnosis& d) { return d.Kind == AnalysisKind::Discharge; }

std::string Fixed(double value, int decimals) {
    return std::isfinite(value) ? FormatFixed(value, 0, decimals) : "undefined";
}

// Six significant digits: sums of squares run from 1E-6 (an exact fit) to
// millions (capped deviations).
std::string Significant(double value) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, end.ptr);
}

// "  label       value": labels in one column, values right-aligned in the next.
std::string Line(const std::string& label, const std::string& value, const std::string& unit = "") {
    std::string line = "  " + label;
    line.append(line.size() < 36 ? 36 - line.size() : 1, ' ');
    if (value.size() < 10) line.append(10 - value.size(), ' ');
    line += value;
    if (!unit.empty()) line += " " + unit;
    return line + "\n";
}

std::string AlphaFunction(const FitDiagnosis& d) {
    if (Discharge(d))
        return "alpha = A * Q + C with A = " + Fixed(d.AlphaSlope, 4) +
               ", C = " + Fixed(d.AlphaIntercept, 4);
    return "alpha = B * H + F with B = " + Fixed(d.AlphaSlope, 4) +
           ", F = " + Fixed(d.AlphaIntercept, 4) + ", porosity factor " + Fixed(d.PdFrac, 3);
}

std::string Rows(int first, int last) {
    return "rows " + std::to_string(first) + " to " + std::to_string(last);
}

}  // namespace

std::string DiagnosisText(const FitDiagnosis& d) {
    const bool discharge = Discharge(d);
    const std::string rows = std::to_string(d.Rows);
    std::string t = "Fit diagnostics of " + d.InputFile + "\n";
    t += std::string(discharge ? "Discharge" : "Head") + " analysis of " + rows +
         " rows: " + AlphaFunction(d) + "\n";
    t += d.Taken ? "Best search sum: " + Significant(d.BestSsq) + "\n"
                 : "No grid point was taken: the alpha function is the trend fit's.\n";

    const FitMeasures& m = d.Measures;
    const std::string unit = discharge ? "mm per time unit" : "mm";
    t += "\nMeasures of fit, calculated against observed " +
         std::string(discharge ? "discharge" : "head") + ", " + Rows(2, d.Rows) + ":\n";
    t += Line("Nash-Sutcliffe efficiency NSE", Fixed(m.NSE, 4));
    t += Line("Kling-Gupta efficiency KGE (2012)", Fixed(m.KGE, 4));
    t += Line("  correlation r", Fixed(m.KgeR, 4));
    t += Line("  bias ratio beta", Fixed(m.KgeBeta, 4));
    t += Line("  variability ratio gamma", Fixed(m.KgeGamma, 4));
    t += Line("root mean square error RMSE", Fixed(m.RMSE, 4), unit);
    t += Line("percent bias PBIAS", Fixed(m.PBIAS, 2), "%");
    t += Line("R square of the report", Fixed(d.RSquare, 2));

    const FirstReservoirBalance& b = d.Balance;
    t += "\nWater balance of the first reservoir, " + Rows(1, d.Rows) +
         " (mm, summed over the rows):\n";
    t += Line("rain + irrigation", Fixed(b.RainAndIrrigation, 2));
    t += Line("escape", Fixed(b.Escape, 2));
    t += Line("change of dead storage", Fixed(b.StorageChange, 2));
    t += Line("recharge", Fixed(b.Recharge, 2));
    t += Line("residual", Significant(b.Residual));
    if (discharge) {
        t += "Discharge, " + Rows(2, d.Rows) + " (mm, summed over the rows):\n";
        t += Line("observed", Fixed(d.ObservedTotal, 2));
        t += Line("calculated", Fixed(d.CalculatedTotal, 2));
    } else {
        t += "Head, " + Rows(2, d.Rows) + " (mean, mm):\n";
        t += Line("observed", Fixed(d.ObservedTotal, 2));
        t += Line("calculated", Fixed(d.CalculatedTotal, 2));
    }
    t += Line("calculated / observed", Fixed(d.CalculatedTotal / d.ObservedTotal, 4));
    if (discharge) t += Line("kept in the second reservoir", Fixed(d.SecondReservoirStored, 2));

    t += "\nEdge of the grid: ";
    if (!d.Taken) {
        t += "no grid point was taken.\n";
    } else if (d.Edges.empty()) {
        t += "the best point lies inside the grid in every coefficient.\n";
    } else {
        t += "\n";
        for (const GridEdge& e : d.Edges) t += "  " + EdgeWarningText(e) + "\n";
    }

    if (d.RegionAsked) {
        t += std::string("\nConfidence region (95 %, joint, of ") +
             (discharge ? "A and C" : "B, F and the porosity factor") + "):\n";
        if (!d.Limit) {
            t += "  None: " + d.NoRegion + "\n";
        } else {
            const RegionLimit& l = *d.Limit;
            const std::string p = std::to_string(l.Coefficients),
                              m = std::to_string(l.Rows - l.Coefficients);
            t += Line("compared rows", std::to_string(l.Rows));
            t += Line("F(" + p + ", " + m + "; 0.95)", Fixed(l.FQuantile, 4));
            t += Line("search sums up to", Significant(l.Limit),
                      "= best x (1 + " + p + " / " + m + " x F)");
            t += Line("grid points in the region", std::to_string(d.RegionPoints));
            for (const CoefficientRange& r : d.Ranges)
                t += Line(r.Name, "from " + Fixed(r.Lowest, r.Decimals) + " to " +
                                      Fixed(r.Highest, r.Decimals));
        }
    }
    return t;
}

std::string DiagnosisJson(const FitDiagnosis& d, const std::string& picture) {
    // Keys in the order a reader meets them in the text.
    using json = nlohmann::ordered_json;
    // Not-a-number becomes null, as JSON has no such number.
    auto number = [](double v) { return std::isfinite(v) ? json(v) : json(nullptr); };
    const bool discharge = Discharge(d);
    json j;
    j["file"] = d.InputFile;
    j["analysis"] = discharge ? "discharge" : "head";
    j["rows"] = d.Rows;
    j["grid_point_taken"] = d.Taken;
    j["best_search_sum"] = number(d.BestSsq);
    if (discharge) {
        j["alpha_function"] = {{"A", d.AlphaSlope}, {"C", d.AlphaIntercept}};
    } else {
        j["alpha_function"] = {
            {"B", d.AlphaSlope}, {"F", d.AlphaIntercept}, {"porosity_factor", d.PdFrac}};
    }
    const FitMeasures& m = d.Measures;
    j["measures"] = {{"compared_rows", m.Rows},       {"nse", number(m.NSE)},
                     {"kge", number(m.KGE)},          {"kge_r", number(m.KgeR)},
                     {"kge_beta", number(m.KgeBeta)}, {"kge_gamma", number(m.KgeGamma)},
                     {"rmse", number(m.RMSE)},        {"pbias", number(m.PBIAS)},
                     {"r_square", number(d.RSquare)}};
    const FirstReservoirBalance& b = d.Balance;
    const std::string observed = discharge ? "observed_discharge_total" : "observed_head_mean";
    const std::string calculated =
        discharge ? "calculated_discharge_total" : "calculated_head_mean";
    j["water_balance"] = {
        {"rows", b.Rows},
        {"rain_and_irrigation", number(b.RainAndIrrigation)},
        {"escape", number(b.Escape)},
        {"storage_change", number(b.StorageChange)},
        {"recharge", number(b.Recharge)},
        {"residual", number(b.Residual)},
        {observed, number(d.ObservedTotal)},
        {calculated, number(d.CalculatedTotal)},
        {"calculated_over_observed", number(d.CalculatedTotal / d.ObservedTotal)}};
    if (discharge) j["water_balance"]["kept_in_second_reservoir"] = number(d.SecondReservoirStored);
    json edges = json::array();
    for (const GridEdge& e : d.Edges) {
        edges.push_back({{"coefficient", e.Name},
                         {"value", e.Value},
                         {"end", e.Largest ? "largest" : "smallest"},
                         {"warning", EdgeWarningText(e)}});
    }
    j["grid_edges"] = edges;
    if (!d.RegionAsked) {
        j["confidence_region"] = nullptr;
    } else if (!d.Limit) {
        j["confidence_region"] = {{"none", d.NoRegion}};
    } else {
        json region = {{"probability", kRegionProbability}, {"coefficients", d.Limit->Coefficients},
                       {"compared_rows", d.Limit->Rows},    {"f_quantile", d.Limit->FQuantile},
                       {"limit", d.Limit->Limit},           {"grid_points", d.RegionPoints}};
        for (const CoefficientRange& r : d.Ranges) {
            std::string key = r.Name;
            for (char& c : key) c = c == ' ' ? '_' : c;
            region[key] = {r.Lowest, r.Highest};
        }
        j["confidence_region"] = region;
    }
    if (!picture.empty()) j["picture"] = picture;
    // A file name that is not UTF-8 gets replacement characters rather than an error.
    return j.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace tervala
