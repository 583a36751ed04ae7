#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <vector>

// Repeated measurements of one figure, in the unit the caller chose.
class Samples
{
public:
    void add(double value) { m_values.push_back(value); }
    std::size_t count() const { return m_values.size(); }
    bool empty() const { return m_values.empty(); }

    double median() const { return percentile(50); }
    double p99() const { return percentile(99); }

    // Nearest-rank percentile: the smallest value with at least p% of the values at or below it.
    double percentile(double p) const
    {
        if (m_values.empty())
            return NAN;
        std::vector<double> sorted = m_values;
        std::sort(sorted.begin(), sorted.end());
        const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * double(sorted.size())));
        return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
    }

private:
    std::vector<double> m_values;
};

// Milliseconds taken by `work`.
template<class Work> double millisecondsOf(Work &&work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}
