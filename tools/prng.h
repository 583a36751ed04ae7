#pragma once

#include <QList>
#include <QtGlobal>

namespace sample {

// SplitMix64: tiny and fully specified, so the same seed gives the same content on every
// platform and standard library (std:: distributions are not portable across implementations).
class Prng
{
public:
    explicit Prng(quint64 seed) : m_state(seed) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A number in [0, n); n > 0.
    int below(int n) { return int(next() % quint64(n)); }
    // A number in [low, high], both included.
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }

    template<typename T> const T &pick(const QList<T> &items)
    {
        return items.at(below(int(items.size())));
    }

    template<typename T> void shuffle(QList<T> &items)
    {
        for (qsizetype i = items.size() - 1; i > 0; --i)
            items.swapItemsAt(i, below(int(i + 1)));
    }

private:
    quint64 m_state;
};

} // namespace sample
