// Our Transverse Mercator forward (numeric and text), the full GeodeticToGrid and PROJ's exact
// tmerc and pipeline, timed over the same seeded points in a 3-degree zone (ED50, 30 E). After
// the usual table it prints ns per point, the ratio to PROJ and points per second, and how far
// our numeric forward lies from PROJ's exact one.

#include "geodesy/GeodesyText.h"
#include "geodesy/TMText.h"
#include "geodesy/TransverseMercator.h"

#include <benchmark/benchmark.h>
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

const std::string kWgs84ToEd50 =
    "6378137.0 0.0033528106647474 0 0 0 0 0 0 0 "
    "6378388 0.0033670033670034 -1.5 0.8 0.3 -0.6 -84.003 -102.315 -129.879";
const std::string kEllipsoids = "6378137.0 0.0033528106647474 6378388 0.0033670033670034";
const std::string kZone = "30 0 1 500000 0";
const char* kProjTmerc = "+proj=tmerc +lon_0=30 +k_0=1 +x_0=500000 +ellps=intl";
const char* kProjPipeline =
    "+proj=pipeline +step +proj=cart +ellps=WGS84 "
    "+step +inv +proj=helmert +convention=coordinate_frame +exact +s=-1.5 +rx=0.8 +ry=0.3 "
    "+rz=-0.6 +x=-84.003 +y=-102.315 +z=-129.879 "
    "+step +inv +proj=cart +ellps=intl "
    "+step +proj=tmerc +lon_0=30 +k_0=1 +x_0=500000 +ellps=intl";

struct TPoint {
    double latDeg, lonDeg;
    std::string text;
};

const std::vector<TPoint>& Points() {
    static const std::vector<TPoint> points = [] {
        std::mt19937_64 engine(2024);
        std::uniform_real_distribution<double> lat(36, 42), lon(28.5, 31.5);
        std::vector<TPoint> out;
        for (int i = 0; i < 4096; ++i) {
            TPoint p{lat(engine), lon(engine), {}};
            p.text =
                GeodesyText::FormatGeneral(p.latDeg) + " " + GeodesyText::FormatGeneral(p.lonDeg);
            out.push_back(p);
        }
        return out;
    }();
    return points;
}

TTransverseMercator OurZone() {
    return TTransverseMercator(TEllipsoid(6378388, 0.0033670033670034), 30, 0, 1, 500000, 0);
}

void NumericTMForward(benchmark::State& state) {
    const TTransverseMercator tm = OurZone();
    for (auto _ : state) {
        for (const TPoint& p : Points()) {
            double e, n;
            tm.Forward(p.latDeg, p.lonDeg, e, n);
            benchmark::DoNotOptimize(e);
            benchmark::DoNotOptimize(n);
        }
    }
    state.SetItemsProcessed(state.iterations() * Points().size());
}

void TextTMForward(benchmark::State& state) {
    for (auto _ : state) {
        for (const TPoint& p : Points())
            benchmark::DoNotOptimize(TMForward(p.text, kZone, kEllipsoids));
    }
    state.SetItemsProcessed(state.iterations() * Points().size());
}

void TextGeodeticToGrid(benchmark::State& state) {
    for (auto _ : state) {
        for (const TPoint& p : Points()) {
            benchmark::DoNotOptimize(GeodeticToGrid(p.text, kWgs84ToEd50, kZone, kEllipsoids));
        }
    }
    state.SetItemsProcessed(state.iterations() * Points().size());
}

void RunProj(benchmark::State& state, const char* definition) {
    PJ* operation = proj_create(nullptr, definition);
    if (!operation) {
        state.SkipWithError("PROJ rejects the operation");
        return;
    }
    for (auto _ : state) {
        for (const TPoint& p : Points()) {
            PJ_COORD c = proj_coord(proj_torad(p.lonDeg), proj_torad(p.latDeg), 0, 0);
            benchmark::DoNotOptimize(proj_trans(operation, PJ_FWD, c));
        }
    }
    state.SetItemsProcessed(state.iterations() * Points().size());
    proj_destroy(operation);
}

void ProjExactTmerc(benchmark::State& state) { RunProj(state, kProjTmerc); }
void ProjPipeline(benchmark::State& state) { RunProj(state, kProjPipeline); }

BENCHMARK(NumericTMForward);
BENCHMARK(TextTMForward);
BENCHMARK(TextGeodeticToGrid);
BENCHMARK(ProjExactTmerc);
BENCHMARK(ProjPipeline);

// Keeps each benchmark's time per point for the summary.
class TSummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto items = run.counters.find("items_per_second");
            if (items != run.counters.end() && items->second.value > 0) {
                nsPerPoint[run.benchmark_name()] = 1e9 / items->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nsPerPoint;
};

double WorstDifferenceFromProjM() {
    PJ* operation = proj_create(nullptr, kProjTmerc);
    if (!operation) return NAN;
    const TTransverseMercator tm = OurZone();
    double worst = 0;
    for (const TPoint& p : Points()) {
        double e, n;
        tm.Forward(p.latDeg, p.lonDeg, e, n);
        const PJ_COORD c = proj_trans(operation, PJ_FWD,
                                      proj_coord(proj_torad(p.lonDeg), proj_torad(p.latDeg), 0, 0));
        worst = std::max(worst, std::hypot(e - c.xy.x, n - c.xy.y));
    }
    proj_destroy(operation);
    return worst;
}

void PrintSummary(const std::map<std::string, double>& ns) {
    const auto at = [&](const char* name) {
        const auto found = ns.find(name);
        return found == ns.end() ? NAN : found->second;
    };
    const double tmerc = at("ProjExactTmerc");
    const double pipeline = at("ProjPipeline");
    std::printf("\n%-20s %12s %14s %16s\n", "per point", "ns", "PROJ ns / ours", "points per s");
    const struct {
        const char* name;
        double reference;
    } rows[] = {{"NumericTMForward", tmerc},
                {"TextTMForward", tmerc},
                {"TextGeodeticToGrid", pipeline},
                {"ProjExactTmerc", tmerc},
                {"ProjPipeline", pipeline}};
    for (const auto& row : rows) {
        const double mine = at(row.name);
        std::printf("%-20s %12.1f %14.2f %16.0f\n", row.name, mine, row.reference / mine,
                    1e9 / mine);
    }
    std::printf("(TM rows against ProjExactTmerc, GeodeticToGrid against ProjPipeline)\n");
    std::printf("numeric TM forward vs PROJ exact tmerc: worst %.3f mm\n",
                WorstDifferenceFromProjM() * 1000);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TSummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintSummary(reporter.nsPerPoint);
    benchmark::Shutdown();
    return 0;
}
