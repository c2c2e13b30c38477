// A console reporter that also keeps each benchmark's time, so the run can end
// with the ratio table against the reference workloads.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Nanoseconds per iteration of a benchmark (the median when repeated), or a negative value.
    double Nanoseconds(const std::string& name) const;

    // Prints "numerator / denominator" against a target ratio.
    void PrintRatio(const std::string& label, const std::string& numerator, const std::string& denominator,
                    double target) const;

    // Prints "slower / faster" against the least speed-up that meets the target.
    void PrintSpeedUp(const std::string& label, const std::string& slower, const std::string& faster,
                      double target) const;

private:
    // numerator / denominator against the most (atMost) or the least ratio that meets the target.
    void PrintAgainstTarget(const std::string& label, const std::string& numerator, const std::string& denominator,
                            double target, bool atMost) const;

    std::map<std::string, double> nanoseconds_;
};
