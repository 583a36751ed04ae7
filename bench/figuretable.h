#pragma once

#include "stats.h"

#include <string>
#include <vector>

// The one table the benchmark prints: a figure per row with its count, median and 99th
// percentile, its unit and a note (the goal it is held against, what it includes).
class FigureTable
{
public:
    void add(const std::string &name, const Samples &samples, const std::string &unit,
             const std::string &note = {});
    // A figure measured elsewhere; NAN stands for "not measured".
    void add(const std::string &name, std::size_t count, double median, double p99,
             const std::string &unit, const std::string &note = {});
    void section(const std::string &title);
    void print() const;

private:
    struct Row
    {
        std::string name;
        std::size_t count = 0;
        double median = 0;
        double p99 = 0;
        std::string unit;
        std::string note;
        bool isSection = false;
    };
    std::vector<Row> m_rows;
};
