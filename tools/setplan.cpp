#include "setplan.h"

#include "prng.h"

#include <QMap>

#include <algorithm>
#include <stdexcept>

namespace sample {

QString typeCode(QuestionType type)
{
    switch (type) {
    case QuestionType::SC: return QStringLiteral("SC");
    case QuestionType::CR: return QStringLiteral("CR");
    case QuestionType::RC: return QStringLiteral("RC");
    }
    return {};
}

namespace {

struct Span
{
    int first;
    int last;
};

// Questions the screens show in their small-font layout; they must be reading questions.
QList<Span> requiredReadingSpans(int set)
{
    static const QMap<int, QList<Span>> spans = {
        {8, {{11, 13}}},  {13, {{12, 12}}}, {16, {{13, 13}}}, {18, {{24, 24}}},
        {19, {{26, 26}}}, {20, {{23, 23}}}, {24, {{23, 25}}},
    };
    return spans.value(set);
}

class Layout
{
public:
    explicit Layout(Prng &rng)
        : m_rng(rng), m_reading(kQuestionsPerSet + 2, false),
          m_reserved(kQuestionsPerSet + 2, false)
    {}

    void reserveNonReading(int number) { m_reserved[number] = true; }

    // A run of reading questions keeps at least one other question between it and the next run,
    // so every run is a separate passage group of 2-5 questions.
    bool tryPlace(int first, int length)
    {
        const int last = first + length - 1;
        if (first < 1 || last > kQuestionsPerSet)
            return false;
        for (int n = first - 1; n <= last + 1; ++n)
            if (m_reading[n])
                return false;
        for (int n = first; n <= last; ++n)
            if (m_reserved[n])
                return false;
        for (int n = first; n <= last; ++n)
            m_reading[n] = true;
        m_count += length;
        return true;
    }

    void placeCovering(Span span)
    {
        for (int attempt = 0; attempt < 1000; ++attempt) {
            const int length = m_rng.between(std::max(2, span.last - span.first + 1), 5);
            const int first = m_rng.between(std::max(1, span.last - length + 1),
                                            std::min(span.first, kQuestionsPerSet - length + 1));
            if (tryPlace(first, length))
                return;
        }
        throw std::logic_error(
            "sample set plan: cannot place a reading run over a required question");
    }

    void fillTo(int target)
    {
        for (int attempt = 0; attempt < 400 && m_count < target - 1; ++attempt) {
            const int length = m_rng.between(2, 5);
            if (m_count + length > target + 1)
                continue;
            tryPlace(m_rng.between(1, kQuestionsPerSet - length + 1), length);
        }
    }

    bool isReading(int number) const { return m_reading[number]; }
    int count() const { return m_count; }

private:
    Prng &m_rng;
    QList<bool> m_reading;
    QList<bool> m_reserved;
    int m_count = 0;
};

void swapTypeInto(QList<PlannedQuestion> &questions, int number, QuestionType wanted)
{
    PlannedQuestion &target = questions[number - 1];
    if (target.type == wanted)
        return;
    // Trade with a question in the middle, so the first and last questions keep their types.
    for (PlannedQuestion &other : questions) {
        if (other.type == wanted && other.number != 1 && other.number != kQuestionsPerSet) {
            std::swap(other.type, target.type);
            return;
        }
    }
}

void assignAttributes(SetPlan &plan, Prng &rng)
{
    const int runCount = int(plan.passageKeys.size());
    const int nullRun = rng.below(runCount); // every set has a run whose later questions are Null
    QList<int> styleOfRun;
    for (int run = 0; run < runCount; ++run)
        styleOfRun.append(run == nullRun ? 3 : rng.below(3));

    for (PlannedQuestion &q : plan.questions) {
        if (q.type != QuestionType::RC) {
            q.attribute = QString();
            continue;
        }
        const QString key = plan.passageKeys.at(q.run);
        if (q.positionInRun == 0) {
            q.attribute = key;
            continue;
        }
        switch (styleOfRun.at(q.run)) {
        case 0: q.attribute = QString(); break;
        case 1: q.attribute = key; break;
        case 2: q.attribute = rng.chance(50) ? key : QString(); break;
        default: q.attribute = std::nullopt; break;
        }
    }
}

} // namespace

SetPlan planSet(int set)
{
    Prng rng(0x51'4F'52'00ULL * 1000003ULL + quint64(set) * 7919ULL);
    SetPlan plan;
    plan.set = set;

    // Question 41: a reading question in every third set, otherwise not.
    const bool lastIsReading = set % 3 == 0;
    Layout layout(rng);
    if (set == 1 || set == 2)
        layout.reserveNonReading(1);
    if (!lastIsReading)
        layout.reserveNonReading(kQuestionsPerSet);
    if (set == 3)
        layout.placeCovering({1, rng.between(3, 4)});
    for (const Span &span : requiredReadingSpans(set))
        layout.placeCovering(span);
    if (lastIsReading && !layout.isReading(kQuestionsPerSet))
        layout.placeCovering({kQuestionsPerSet - rng.between(1, 3), kQuestionsPerSet});
    layout.fillTo(rng.between(12, 16));

    const int others = kQuestionsPerSet - layout.count();
    const int sentenceCount = (others * 15 + 13) / 27 + rng.between(-1, 1);
    QList<QuestionType> otherTypes;
    for (int i = 0; i < others; ++i)
        otherTypes.append(i < sentenceCount ? QuestionType::SC : QuestionType::CR);
    rng.shuffle(otherTypes);

    int run = -1;
    int position = 0;
    for (int n = 1; n <= kQuestionsPerSet; ++n) {
        PlannedQuestion q;
        q.number = n;
        if (layout.isReading(n)) {
            q.type = QuestionType::RC;
            if (n == 1 || !layout.isReading(n - 1)) {
                ++run;
                position = 0;
                plan.passageKeys.append(QStringLiteral("P%1").arg(run + 1));
            }
            q.run = run;
            q.positionInRun = position++;
        } else {
            q.type = otherTypes.takeFirst();
        }
        q.answer = QChar(u'A' + rng.below(5));
        plan.questions.append(q);
    }

    if (set == 1)
        swapTypeInto(plan.questions, 1, QuestionType::SC);
    if (set == 2)
        swapTypeInto(plan.questions, 1, QuestionType::CR);
    if (set % 3 == 1)
        swapTypeInto(plan.questions, kQuestionsPerSet, QuestionType::SC);
    assignAttributes(plan, rng);
    return plan;
}

} // namespace sample
