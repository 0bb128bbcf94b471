/* brimstar-bench: every benchmark, then the goals as ratios measured in the
 * same run (medians, when run with repetitions). */
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

/* The console table, and the medians kept for the ratios. */
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Plain text: the table is meant to be pasted.
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            std::string name = run.run_name.str();
            // Per item where the benchmark counts items, else per iteration.
            auto items = run.counters.find("items_per_second");
            perItemNs_[name] = items != run.counters.end() ? 1e9 / items->second.value
                                                            : run.GetAdjustedRealTime() * Scale(run.time_unit);
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-58s %10s %10s\n", "goal", "measured", "limit");
        for (const char* n : {"100", "1000", "10000", "100000"})
            Ratio(std::string("blast per vessel / floor, ") + n + " vessels", "BM_Blast/" + std::string(n),
                  "BM_BlastFloor/" + std::string(n), 3.0);
        Ratio("blast per vessel at 100000 / at 1000", "BM_Blast/100000", "BM_Blast/1000", 1.5);
        RatioOfTotals("idle pre-step / host step of 100 vessels", "BM_IdlePreStep", 1, "BM_HostStep/100", 100,
                      0.05);
        RatioOfTotals("collision step, 10000 / 1000 vessels", "BM_CollisionStep/10000", 10000,
                      "BM_CollisionStep/1000", 1000, 13.0);
        RatioOfTotals("collision step, 100000 / 10000 vessels", "BM_CollisionStep/100000", 100000,
                      "BM_CollisionStep/10000", 10000, 13.0);
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

    void Print(const std::string& goal, double measured, double limit)
    {
        std::printf("%-58s %10.3f %10.3f  %s\n", goal.c_str(), measured, limit, measured <= limit ? "met" : "MISSED");
    }

    void Ratio(const std::string& goal, const std::string& a, const std::string& b, double limit)
    {
        if (perItemNs_.count(a) && perItemNs_.count(b))
            Print(goal, perItemNs_[a] / perItemNs_[b], limit);
    }

    /* Ratio of whole-call times, from the per-item times and item counts. */
    void RatioOfTotals(const std::string& goal, const std::string& a, double itemsA, const std::string& b,
                       double itemsB, double limit)
    {
        if (perItemNs_.count(a) && perItemNs_.count(b))
            Print(goal, perItemNs_[a] * itemsA / (perItemNs_[b] * itemsB), limit);
    }

    std::map<std::string, double> perItemNs_;
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
