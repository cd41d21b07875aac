#include "benchreporter.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

bool BenchReporter::Key::operator<(const Key &other) const
{
    return std::tie(operation, model, percent) < std::tie(other.operation, other.model, other.percent);
}

void BenchReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median" || run.error_occurred)
            continue;
        const std::string name = run.run_name.function_name;
        const size_t modelStart = name.find('/');
        const size_t percentStart = name.rfind('/');
        if (modelStart == std::string::npos || percentStart == modelStart)
            continue;
        const Key key { name.substr(0, modelStart),
            name.substr(modelStart + 1, percentStart - modelStart - 1),
            std::stoi(name.substr(percentStart + 1)) };
        const double toMilliseconds = 1000.0 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        m_medians[key]
            = { run.GetAdjustedRealTime() * toMilliseconds, run.GetAdjustedCPUTime() * toMilliseconds };
        if (std::find(m_operations.begin(), m_operations.end(), key.operation) == m_operations.end())
            m_operations.push_back(key.operation);
    }
    ConsoleReporter::ReportRuns(runs);
}

void BenchReporter::printSummary() const
{
    std::printf("\nMedian wall and CPU time in milliseconds; x floor = wall time / floor of the same file; "
                "full/half = growth of wall and of CPU time.\n");
    std::printf("%-60s %-4s %9s %9s %9s %9s %9s %8s %9s %9s\n", "operation", "", "25%", "50%", "100%",
        "cpu 50%", "cpu 100%", "x floor", "full/half", "cpu f/h");
    for (const std::string &operation : m_operations) {
        for (const char *model : { "2xx", "hd" }) {
            auto at = [&](const std::string &op, int percent) {
                const auto found = m_medians.find(Key { op, model, percent });
                return found == m_medians.end() ? Median() : found->second;
            };
            const Median full = at(operation, 100);
            const Median half = at(operation, 50);
            const double floor = at("floor", 100).wall;
            if (full.wall < 0 && half.wall < 0)
                continue;
            auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
            std::printf("%-60s %-4s %9.3f %9.3f %9.3f %9.3f %9.3f %8.3g %9.2f %9.2f\n", operation.c_str(),
                model, at(operation, 25).wall, half.wall, full.wall, half.cpu, full.cpu,
                ratio(full.wall, floor), ratio(full.wall, half.wall), ratio(full.cpu, half.cpu));
        }
    }
}
