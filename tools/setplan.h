#pragma once

#include <QChar>
#include <QList>
#include <QString>

#include <optional>

namespace sample {

inline constexpr int kSetCount = 24;
inline constexpr int kQuestionsPerSet = 41;

enum class QuestionType { SC, CR, RC };

QString typeCode(QuestionType type); // "SC", "CR", "RC" as stored in 题型

struct PlannedQuestion
{
    int number = 0;
    QuestionType type = QuestionType::SC;
    int run = -1;          // RC only: index of the run, and so of the passage, in the set
    int positionInRun = 0; // RC only: 0 for the first question of its run
    std::optional<QString> attribute; // 属性 as stored; std::nullopt is SQL NULL
    QChar answer;                     // 'A'..'E'
};

// The layout of one question set: types, reading-passage runs and answer letters.
struct SetPlan
{
    int set = 0;
    QList<PlannedQuestion> questions; // 41, in question order
    QStringList passageKeys;          // "P1", "P2", ... one per RC run, in order
};

SetPlan planSet(int set);

} // namespace sample
