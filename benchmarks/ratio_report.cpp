/* brimstar-bench: every benchmark, then the goals as ratios measured in the
 * same run (medians, when run with repetitions). */
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

/* A figure's median over the repetitions, and its lowest and highest. */
struct Spread {
    double median = 0, low = 0, high = 0;
};

/* The console table of the aggregates, and per benchmark the per-item times
 * kept for the ratios: the median, and every repetition for the spread. */
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Plain text: the table is meant to be pasted.
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        std::vector<Run> shown;
        for (const Run& run : runs) {
            bool aggregate = run.run_type == Run::RT_Aggregate;
            if (aggregate && run.aggregate_name != "median")
                continue;
            std::string name = run.run_name.str();
            if (!aggregate)
                repetitions_[name].push_back(PerItemNs(run));
            if (aggregate || run.repetitions <= 1) {  // the median, or the only run
                perItemNs_[name].median = PerItemNs(run);
                shown.push_back(run);
            }
        }
        ConsoleReporter::ReportRuns(shown);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (auto& [name, figure] : perItemNs_) {
            const std::vector<double>& all = repetitions_[name];
            figure.low = all.empty() ? figure.median : *std::min_element(all.begin(), all.end());
            figure.high = all.empty() ? figure.median : *std::max_element(all.begin(), all.end());
        }
        std::printf("\nmedian [lowest to highest over the repetitions]; %s\n%-58s %26s %8s\n", LoadAverage().c_str(),
                    "goal", "measured", "limit");
        const char* sizes[] = {"100", "1000", "10000", "100000"};
        for (const char* n : sizes)
            Ratio(std::string("blast per vessel / fair floor, ") + n + " vessels", "BM_Blast/" + std::string(n),
                  "BM_BlastFloor/" + std::string(n), std::string(n) == "100000" ? 3.0 : 2.0);
        for (const char* n : sizes)
            Ratio(std::string("blast per vessel / ideal-host floor, ") + n + " vessels",
                  "BM_Blast/" + std::string(n), "BM_BlastIdealHost/" + std::string(n), 1.3);
        for (const char* n : sizes)
            Ratio(std::string("blast per vessel / bare floor, ") + n + " vessels", "BM_Blast/" + std::string(n),
                  "BM_BlastFloorBare/" + std::string(n), 0);
        Ratio("blast per vessel at 100000 / at 1000", "BM_Blast/100000", "BM_Blast/1000", 1.5);
        Ratio("host step per vessel at 100000 / at 1000", "BM_HostStep/100000", "BM_HostStep/1000", 1.5);
        for (const char* way : {"EveryOther", "FocusFirst"})
            Ratio(std::string("deleting half the world (") + way + "), per vessel, at 100000 / at 1000",
                  "BM_DeleteHalf/" + std::string(way) + "/100000/iterations:3",
                  "BM_DeleteHalf/" + std::string(way) + "/1000/iterations:3", 0);
        Ratio("step floor per vessel at 100000 / at 1000", "BM_HostStepFloor/100000", "BM_HostStepFloor/1000", 0);
        GrowthOverFloor("host step's growth / step floor's, 100000 / 1000", "BM_HostStep/", "BM_HostStepFloor/", 1.5);
        for (const char* n : sizes)
            Ratio(std::string("host step per vessel / step floor, ") + n + " vessels", "BM_HostStep/" + std::string(n),
                  "BM_HostStepFloor/" + std::string(n), 0);
        for (const char* n : {"1000", "100000"})
            Ratio(std::string("proxy look per vessel / three sorts per point, ") + n + " vessels",
                  "BM_ProxyLooks/" + std::string(n), "BM_ProxyLooksFloor/" + std::string(n), 0);
        for (const char* n : {"1000", "10000", "100000"})
            Ratio(std::string("integration per vessel / plain-array floor, ") + n + " vessels",
                  "BM_Integrate/" + std::string(n), "BM_IntegrateFloor/" + std::string(n), 0);
        if (perItemNs_.count("BM_IdlePreStep")) {
            Spread idle = perItemNs_["BM_IdlePreStep"];
            Print("idle pre-step, ns", idle, 0);
            const double frameNs = 1e9 / 60;  // 16.67 ms
            const double percent = 100 / frameNs;
            Print("idle pre-step, % of a 60 Hz frame", {idle.median * percent, idle.low * percent, idle.high * percent},
                  0);
        }
        RatioOfTotals("idle pre-step / host step of 100 vessels", "BM_IdlePreStep", 1, "BM_HostStep/100", 100, 0.05);
        // Beside each goal the same growth of its floor, the least a grid
        // search does over the same records, and of the host calls alone;
        // then the goal's growth over the floor's.
        struct Growth {
            const char* benchmark;
            const char* label;
            double limit;
        };
        const Growth growths[] = {{"BM_CollisionStep/", "collision step ", 11.0},
                                  {"BM_CollisionFloor/", "  its floor ", 0},
                                  {"BM_CollisionHostCalls/", "  its host calls ", 0}};
        const std::pair<const char*, const char*> steps[] = {{"10000", "1000"}, {"100000", "10000"}};
        for (const char* layout : {"Rocks", "Spread", "OnePlace", "Mixed", "Giants"}) {
            for (const auto& [big, small] : steps) {
                std::string sizes = std::string(", ") + big + " / " + small + " vessels";
                for (const Growth& growth : growths) {
                    std::string name = growth.benchmark + std::string(layout) + "/";
                    RatioOfTotals(growth.label + std::string(layout) + sizes, name + big, std::stod(big),
                                  name + small, std::stod(small), growth.limit);
                }
                GrowthOverFloor("  step's growth / floor's, " + std::string(layout) + sizes,
                                "BM_CollisionStep/" + std::string(layout) + "/",
                                "BM_CollisionFloor/" + std::string(layout) + "/", 1.2, big, small);
            }
        }
    }

private:
    static double Scale(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kSecond:
            return 1e9;
        case benchmark::kMillisecond:
            return 1e6;
        case benchmark::kMicrosecond:
            return 1e3;
        default:
            return 1.0;
        }
    }

    /* Per item where the benchmark counts items, else per iteration; CPU
     * time throughout, as the items are counted per CPU second. */
    static double PerItemNs(const Run& run)
    {
        auto items = run.counters.find("items_per_second");
        return items != run.counters.end() ? 1e9 / items->second.value
                                           : run.GetAdjustedCPUTime() * Scale(run.time_unit);
    }

    /* A limit of 0 marks a figure reported beside the goals, not one. */
    void Print(const std::string& goal, const Spread& measured, double limit)
    {
        char range[64];
        std::snprintf(range, sizeof range, "%.4g [%.4g to %.4g]", measured.median, measured.low, measured.high);
        if (limit > 0)
            std::printf("%-58s %26s %8.3g  %s\n", goal.c_str(), range, limit,
                        measured.median <= limit ? "met" : "MISSED");
        else
            std::printf("%-58s %26s\n", goal.c_str(), range);
    }

    /* a over b, scaled by the item counts: the ratio of the medians, and the
     * widest the repetitions allow (lowest a over highest b, and back). */
    void RatioOfTotals(const std::string& goal, const std::string& a, double itemsA, const std::string& b,
                       double itemsB, double limit)
    {
        if (!perItemNs_.count(a) || !perItemNs_.count(b))
            return;
        const Spread &x = perItemNs_[a], &y = perItemNs_[b];
        double scale = itemsA / itemsB;
        Print(goal, {x.median / y.median * scale, x.low / y.high * scale, x.high / y.low * scale}, limit);
    }

    void Ratio(const std::string& goal, const std::string& a, const std::string& b, double limit)
    {
        RatioOfTotals(goal, a, 1, b, 1, limit);
    }

    /* How much more a benchmark grows from the small number of items to the
     * big one than its floor does; the spread as wide as both growths'
     * spreads allow. */
    void GrowthOverFloor(const std::string& goal, const std::string& a, const std::string& floor, double limit,
                         const std::string& big = "100000", const std::string& small = "1000")
    {
        if (!perItemNs_.count(a + big) || !perItemNs_.count(a + small) || !perItemNs_.count(floor + big) ||
            !perItemNs_.count(floor + small))
            return;
        const Spread &ab = perItemNs_[a + big], &as = perItemNs_[a + small];
        const Spread &fb = perItemNs_[floor + big], &fs = perItemNs_[floor + small];
        double median = (ab.median / as.median) / (fb.median / fs.median);
        double low = (ab.low / as.high) / (fb.high / fs.low), high = (ab.high / as.low) / (fb.low / fs.high);
        Print(goal, {median, low, high}, limit);
    }

    /* The machine's load when the goals were printed: ratios measured on a
     * shared machine mean what they mean only beside it. */
    static std::string LoadAverage()
    {
        double load[3];
        if (getloadavg(load, 3) != 3)
            return "load average unknown";
        char text[96];
        std::snprintf(text, sizeof text, "load average %.2f, %.2f, %.2f (1, 5, 15 min)", load[0], load[1], load[2]);
        return text;
    }

    std::map<std::string, Spread> perItemNs_;
    std::map<std::string, std::vector<double>> repetitions_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
