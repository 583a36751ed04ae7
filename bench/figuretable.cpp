#include "figuretable.h"

#include <cmath>
#include <cstdio>

namespace {
std::string number(double value)
{
    if (std::isnan(value))
        return "-";
    char text[32];
    const double magnitude = std::fabs(value);
    std::snprintf(text, sizeof text,
                  magnitude >= 100  ? "%.0f"
                  : magnitude >= 10 ? "%.1f"
                                    : "%.2f",
                  value);
    return text;
}
} // namespace

void FigureTable::add(const std::string &name, const Samples &samples, const std::string &unit,
                      const std::string &note)
{
    add(name, samples.count(), samples.median(), samples.p99(), unit, note);
}

void FigureTable::add(const std::string &name, std::size_t count, double median, double p99,
                      const std::string &unit, const std::string &note)
{
    m_rows.push_back({name, count, median, p99, unit, note, false});
}

void FigureTable::section(const std::string &title)
{
    m_rows.push_back({title, 0, 0, 0, {}, {}, true});
}

void FigureTable::print() const
{
    std::printf("%-46s %6s %10s %10s  %-5s  %s\n", "figure", "n", "median", "p99", "unit", "note");
    std::printf("%s\n", std::string(120, '-').c_str());
    for (const Row &row : m_rows) {
        if (row.isSection) {
            std::printf("%s\n", row.name.c_str());
            continue;
        }
        std::printf("  %-44s %6zu %10s %10s  %-5s  %s\n", row.name.c_str(), row.count,
                    number(row.median).c_str(), number(row.p99).c_str(), row.unit.c_str(),
                    row.note.c_str());
    }
}
