#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Prints the runs as the console reporter does and keeps the median wall and
// CPU time of each benchmark named "<operation>/<model>/<percent>", for a
// summary table of ratios to the floor and of full to half capacity.
class BenchReporter : public benchmark::ConsoleReporter
{
public:
    // Plain text: the summary goes to logs and READMEs.
    BenchReporter()
        : ConsoleReporter(OO_Tabular)
    { }

    void ReportRuns(const std::vector<Run> &runs) override;
    void printSummary() const;

private:
    struct Key
    {
        std::string operation, model;
        int percent;
        bool operator<(const Key &other) const;
    };
    struct Median
    {
        double wall = -1, cpu = -1; // milliseconds
    };
    std::map<Key, Median> m_medians;
    std::vector<std::string> m_operations;
};
