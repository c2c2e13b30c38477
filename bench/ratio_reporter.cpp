#include "ratio_reporter.hpp"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        // With repetitions the median comes after the single runs and replaces them.
        const bool aggregate = run.run_type == Run::RT_Aggregate;
        if (aggregate && run.aggregate_name != "median") continue;
        const std::string name = run.run_name.function_name;
        const double perIteration = run.GetAdjustedRealTime();  // in the run's time unit
        const double toNs = run.time_unit == benchmark::kMicrosecond ? 1e3
                            : run.time_unit == benchmark::kMillisecond ? 1e6
                                                                       : 1.0;
        nanoseconds_[name] = perIteration * toNs;
    }
    ConsoleReporter::ReportRuns(runs);
}

double RatioReporter::Nanoseconds(const std::string& name) const {
    auto it = nanoseconds_.find(name);
    return it == nanoseconds_.end() ? -1.0 : it->second;
}

void RatioReporter::PrintRatio(const std::string& label, const std::string& numerator,
                               const std::string& denominator, double target) const {
    PrintAgainstTarget(label, numerator, denominator, target, true);
}

void RatioReporter::PrintSpeedUp(const std::string& label, const std::string& slower, const std::string& faster,
                                 double target) const {
    PrintAgainstTarget(label, slower, faster, target, false);
}

void RatioReporter::PrintAgainstTarget(const std::string& label, const std::string& numerator,
                                       const std::string& denominator, double target, bool atMost) const {
    const double a = Nanoseconds(numerator);
    const double b = Nanoseconds(denominator);
    if (a < 0 || b <= 0) {
        std::printf("%-58s  (not measured)\n", label.c_str());
        return;
    }
    const double ratio = a / b;
    const bool met = atMost ? ratio <= target : ratio >= target;
    std::printf("%-58s %8.3f   target %s %-6g %s\n", label.c_str(), ratio, atMost ? "<=" : ">=", target,
                met ? "met" : "MISSED");
}
