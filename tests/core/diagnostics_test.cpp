// Fit diagnostics: the measures of fit and the water balance on hand-worked
// series, the edge of the grid, the F quantiles of the tables, the
// confidence region against the plain loop over every grid point, and the
// geometry of its picture.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include "engine/confidence_region.h"
#include "engine/fit_diagnosis.h"
#include "engine/reservoir_step.h"
#include "tests/support/generated_series.h"
#include "tests/support/recording_surface.h"
#include "tests/support/test_support.h"

namespace tervala {
namespace {

TEST(FitMeasures, HandWorkedSeries) {
    // Observed 2, 4, 6, 8 (mean 5, 20 around it); entry 0 is not compared.
    const std::vector<double> observed = {99, 2, 4, 6, 8};
    struct Case {
        std::vector<double> calculated;
        double nse, kge, r, beta, gamma, rmse, pbias;
    } cases[] = {
        // Deviations -1, 0, 1, 0 with the mean kept: r = 16 / sqrt(20 * 14), gamma = sqrt(14 / 20).
        {{-7, 3, 4, 5, 8},
         0.9,
         1 - std::hypot(1 - 16 / std::sqrt(280.0), 1 - std::sqrt(0.7)),
         16 / std::sqrt(280.0),
         1,
         std::sqrt(0.7),
         std::sqrt(0.5),
         0},
        // A tenth too much everywhere: NSE = 1 - 1.2 / 20, only beta is off.
        {{-7, 2.2, 4.4, 6.6, 8.8}, 0.94, 0.9, 1, 1.1, 1, std::sqrt(0.3), 10},
    };
    for (const Case& c : cases) {
        const FitMeasures m = MeasureFit(observed, c.calculated, 1, 4);
        EXPECT_EQ(m.Rows, 4);
        const double got[] = {m.NSE, m.KGE, m.KgeR, m.KgeBeta, m.KgeGamma, m.RMSE, m.PBIAS};
        const double want[] = {c.nse, c.kge, c.r, c.beta, c.gamma, c.rmse, c.pbias};
        for (int k = 0; k < 7; ++k) EXPECT_NEAR(got[k], want[k], 1e-12) << "measure " << k;
    }
}

TEST(WaterBalance, FirstReservoirClosesAndShowsWhatTheModelSpillsTwice) {
    struct Case {
        double maxSto, iniSto;
        std::vector<double> time, rain, esc;
        double in, escape, change, recharge, residual;
    } cases[] = {
        // The worked rows: 50 in = 9.5 escaped (5 + 0.9 * 5) + 30 stored + 10.5 recharged.
        {50, 20, {1, 2, 3}, {40, 0, 10}, {0, 5, 5}, 50, 9.5, 30, 10.5, 0},
        // 10 mm above the maximum spill in row 1 and once more in row 2.
        {50, 60, {1, 2}, {0, 0}, {0, 0}, 0, 0, -10, 20, -10},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.time.size());
        ReservoirSeries s;
        s.Resize(n);
        for (int k = 1; k <= n; ++k)
            s.Time[k] = c.time[k - 1], s.Rain[k] = c.rain[k - 1], s.Esc[k] = c.esc[k - 1];
        double iniSto = c.iniSto;
        EngineFlags flags;
        testing::RecordingMessages messages;
        ASSERT_TRUE(
            ComputeRecharge(RechargeVariant::Analysis, n, c.maxSto, iniSto, s, flags, messages));
        const FirstReservoirBalance b = BalanceFirstReservoir(s, n, c.maxSto, iniSto);
        EXPECT_NEAR(b.RainAndIrrigation, c.in, 1e-12);
        EXPECT_NEAR(b.Escape, c.escape, 1e-12);
        EXPECT_NEAR(b.StorageChange, c.change, 1e-12);
        EXPECT_NEAR(b.Recharge, c.recharge, 1e-12);
        EXPECT_NEAR(b.Residual, c.residual, 1e-12);
    }
}

TEST(GridEdge, WarnsExactlyForTheFirstAndLastValueOfEachCoefficient) {
    constexpr AnalysisKind D = AnalysisKind::Discharge, H = AnalysisKind::Head;
    const std::tuple<AnalysisKind, int, int, int, std::string> cases[] = {
        {D, 1, 700, 0, "A smallest"},
        {D, 1000, 1500, 0, "A largest, C largest"},
        {D, 500, 1, 0, "C smallest"},
        {D, 2, 1499, 0, ""},
        {D, 999, 2, 0, ""},
        {H, 1, 1, 1, "B smallest, F smallest, porosity factor smallest"},
        {H, 500, 1000, 100, "B largest, F largest, porosity factor largest"},
        {H, 499, 2, 99, ""},
        {H, 250, 999, 100, "porosity factor largest"},
    };
    for (const auto& [kind, i, j, p, want] : cases) {
        std::string got;
        for (const GridEdge& e : GridEdges(kind, i, j, p))
            got += (got.empty() ? "" : ", ") + e.Name + (e.Largest ? " largest" : " smallest");
        EXPECT_EQ(got, want) << i << " " << j << " " << p;
    }
    EXPECT_EQ(EdgeWarningText(GridEdges(D, 500, 1, 0).at(0)),
              "The best grid point lies on the edge of the search grid: C = -0.0499 is the "
              "smallest intercept searched, so the optimum may lie outside the grid, at a "
              "smaller C.");
}

TEST(ConfidenceLimit, FQuantilesOfTheTablesAndTheLimit) {
    // F(p, n - p; 0.95) as the statistical tables print it, to two decimals.
    const std::tuple<int, int, double> table[] = {
        {2, 12, 4.10}, {3, 23, 3.10}, {2, 122, 3.07}, {1, 3, 18.51}};
    for (const auto& [p, n, quantile] : table)
        EXPECT_NEAR(ConfidenceLimit(1, p, n)->FQuantile, quantile, 0.006) << p << " " << n;
    EXPECT_NEAR(ConfidenceLimit(10, 2, 12)->Limit, 10 * (1 + 0.2 * 4.1028), 1e-3);
    EXPECT_FALSE(ConfidenceLimit(10, 2, 2));  // no rows left to judge the fit by
}

// The region at two limits: the F limit above the best sum, and exactly the
// sum of the tenth-best point, which must be inside. `sums` holds every
// point of the grid (first indices i0, j0, p0) in loop order.
template <typename Region>
void ExpectRegion(const std::vector<double>& sums, int i0, int nJ, int j0, int nP, int p0,
                  int planeP, int rows, int coefficients, Region region, const std::string& name) {
    std::vector<double> sorted = sums;
    std::sort(sorted.begin(), sorted.end());
    for (double limit : {ConfidenceLimit(sorted[0], coefficients, rows)->Limit, sorted[9]}) {
        const GridRegion got = region(limit);
        int64_t points = 0;
        std::set<int> is, js, ps;
        std::vector<uint8_t> plane(sums.size() / nP, 0);
        for (size_t k = 0; k < sums.size(); ++k) {
            if (!(sums[k] <= limit)) continue;
            ++points;
            const int i = int(k) / (nJ * nP), j = int(k) / nP % nJ, p = int(k) % nP;
            is.insert(i0 + i), js.insert(j0 + j), ps.insert(p0 + p);
            if (p0 + p == planeP) plane[size_t(i) * nJ + j] = 1;
        }
        EXPECT_EQ(got.Points, points) << name;
        EXPECT_EQ(std::make_tuple(got.IMin, got.IMax, got.JMin, got.JMax),
                  std::make_tuple(*is.begin(), *is.rbegin(), *js.begin(), *js.rbegin()))
            << name;
        if (nP > 1)
            EXPECT_EQ(got.PMin * 1000 + got.PMax, *ps.begin() * 1000 + *ps.rbegin()) << name;
        EXPECT_TRUE(got.Plane == plane) << name;
    }
}

TEST(ConfidenceRegion, EveryGridPointAtOrBelowTheLimitAndNoOther) {
    using testing::Shape;
    for (Shape shape : {Shape::Noisy, Shape::Rounded, Shape::Capped, Shape::ExactFit}) {
        const std::string name = "shape " + std::to_string(int(shape));
        // Made from A = 0.006, C = 0.006; the grid: A up to 0.012, C from 0 to 0.02.
        const SearchSeries q = testing::MakeDischarge(14, shape, 7, 60, 560);
        std::vector<double> sums;
        for (int i = 0; i <= 120; ++i) {
            for (int j = 500; j <= 700; ++j) {
                const double A = DischargeSlope(i), C = DischargeIntercept(j);
                double v = q.first, ssq = 0;
                for (int r = 2; r <= q.n; ++r) {
                    v = DischargeNext(v, DischargeAlpha(A, C, v), q.delta[r], q.rech[r]);
                    ssq += SearchTerm(q.meas[r], v, kDischargeDeviationCap, kDischargeCappedTerm);
                }
                sums.push_back(ssq);
            }
        }
        ExpectRegion(
            sums, 0, 201, 500, 1, 0, 0, 13, 2,
            [&](double limit) {
                return DischargeRegion(q, {0, 120, 500, 700}, limit, 2);
            },
            name);

        // Made from B = 0.002, F = 0.02, P = 30; the grid: B to 0.004, F to 0.04, every P.
        const SearchSeries h = testing::MakeHead(10, shape, 7, 20, 40, 30);
        sums.clear();
        for (int i = 1; i <= 40; ++i) {
            for (int j = 1; j <= 80; ++j) {
                for (int p = 1; p <= 100; ++p) {
                    const double B = HeadSlope(i), F = HeadIntercept(j), P = p;
                    double v = h.first, ssq = 0;
                    for (int r = 2; r <= h.n; ++r) {
                        v = HeadNextSearch(v, HeadAlpha(B, F, v), h.delta[r], h.rech[r], P,
                                           kHeadTermWithoutAlpha);
                        ssq += SearchTerm(h.meas[r], v, kHeadDeviationCap, kHeadCappedTerm);
                    }
                    sums.push_back(ssq);
                }
            }
        }
        ExpectRegion(
            sums, 1, 80, 1, 100, 1, 30, 9, 3,
            [&](double limit) {
                return HeadRegion(h, {1, 40, 1, 80, 1, 100}, limit, 30, 2);
            },
            "head " + name);
    }
}

// A grid of 44 by 33 points on the 440 by 330 pixels of the map: ten pixels a point.
TEST(ObjectiveMap, CellsOutlineAndBestPointOnTheirPixels) {
    ObjectiveMap m;
    m.X = {"C", 0, 1, 44, 10, 0};
    m.Y = {"A", 0, 1, 33, 10, 0};
    m.StepX = m.StepY = 11;
    m.SampleX = {5, 16, 27, 38}, m.SampleY = {5, 16, 27};
    for (int k = 0; k < 12; ++k) m.Sums.push_back(std::pow(10.0, k));  // lowest first, highest last
    m.Region.assign(44 * 33, 0);
    m.Region[7 * 44 + 5] = 1;  // the point (5, 7): pixels 130..139 and 313..322 (y grows down)
    m.BestX = 5, m.BestY = 7, m.BestSum = 1;
    testing::RecordingSurface s;
    PaintObjectiveMap(s, m);
    std::set<std::tuple<int, int, int, int>> white, red;
    for (const auto& op : s.Of(testing::DrawOp::Kind::Line)) {
        if (op.pen == Rgb{255, 255, 255}) white.insert({op.x1, op.y1, op.x2, op.y2});
        if (op.pen == Rgb{220, 0, 0}) red.insert({op.x1, op.y1, op.x2, op.y2});
    }
    EXPECT_EQ(white, (std::set<std::tuple<int, int, int, int>>{{130, 312, 130, 322},
                                                               {140, 312, 140, 322},
                                                               {130, 312, 140, 312},
                                                               {130, 322, 140, 322}}));
    EXPECT_EQ(red, (std::set<std::tuple<int, int, int, int>>{{124, 317, 131, 317},
                                                             {139, 317, 146, 317},
                                                             {135, 306, 135, 313},
                                                             {135, 321, 135, 328}}));
    // The lowest sum in the darkest colour of the scale, the highest in the lightest.
    auto fillAt = [&](int x1, int y2) {
        for (const auto& op : s.Of(testing::DrawOp::Kind::Fill))
            if (op.x1 == x1 && op.y2 == y2 && op.x2 - op.x1 == 110) return op.fill;
        return Rgb{1, 2, 3};
    };
    EXPECT_EQ(fillAt(80, 392), (Rgb{68, 1, 84}));
    EXPECT_EQ(fillAt(410, 172), (Rgb{253, 231, 37}));
}

}  // namespace
}  // namespace tervala
