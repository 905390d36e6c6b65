#pragma once
// The console table every benchmark shows, keeping the median of each benchmark's repetitions
// for the figures the program prints after it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QString>
#include <string>
#include <vector>

namespace eqbond::bench {

// "(goal G ms, met)" or "(goal G ms, missed)": a figure against its goal; one that did not run
// (negative) misses it.
inline QString goal_verdict(double ms, double goal_ms) {
    return QStringLiteral("(goal %1 ms, %2)")
        .arg(goal_ms)
        .arg(ms >= 0 && ms <= goal_ms ? "met" : "missed");
}

class MedianReporter : public benchmark::ConsoleReporter {
  public:
    struct Median {
        std::string name;  // the benchmark's function
        std::string args;  // as the table shows them, "traced:1"; empty without arguments
        double real_us = 0;
        double cpu_us = 0;
    };

    // Colour codes only for a terminal: piped output is read as text.
    MedianReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
            // Times come in the run's own unit.
            const double to_us = benchmark::GetTimeUnitMultiplier(benchmark::kMicrosecond) /
                                 benchmark::GetTimeUnitMultiplier(run.time_unit);
            medians_.push_back({run.run_name.function_name, run.run_name.args,
                                run.GetAdjustedRealTime() * to_us,
                                run.GetAdjustedCPUTime() * to_us});
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Runs the benchmarks the command line chooses (--benchmark_filter and the like) through this
    // reporter.
    void run(int* argc, char** argv) {
        benchmark::Initialize(argc, argv);
        benchmark::RunSpecifiedBenchmarks(this);
        benchmark::Shutdown();
    }

    // In the order they ran.
    const std::vector<Median>& medians() const { return medians_; }

    // The median wall time of a benchmark in microseconds; negative when it did not run.
    double real_us(const std::string& name, const std::string& args = std::string()) const {
        for (const Median& m : medians_) {
            if (m.name == name && m.args == args) return m.real_us;
        }
        return -1;
    }
    double real_ms(const std::string& name, const std::string& args = std::string()) const {
        const double us = real_us(name, args);
        return us < 0 ? us : us / 1000;
    }

  private:
    std::vector<Median> medians_;
};

}  // namespace eqbond::bench
