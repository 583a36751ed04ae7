#pragma once

#include "questiontype.h"

#include <QString>

#include <array>
#include <cstddef>

namespace platform::db {
class Variant;
}

// The accuracy of each question type on the results screen.
namespace Accuracy {

// right x 100 / count rounded to two decimals, a tie going to the even last digit, written with
// at least one digit before the point and exactly two after it: 2 of 3 -> "66.67",
// 1 of 32 -> "3.12", 3 of 32 -> "9.38". A type without questions shows "0.00".
QString PercentText(int right, int count);

// "SC 正确率: 66.67%  ( 2/3 )" for the type "SC", 2 right of 3.
QString AccuracyCaption(const QString &type, int right, int count);

// The questions and right marks of each type, counted row by row from a set's table.
class Counts
{
public:
    // One row: it counts for the type its type cell names exactly (none for any other text or
    // Null), and as right when its mark is the right mark.
    void add(const platform::db::Variant &type, const platform::db::Variant &mark);

    int questions(QuestionType type) const { return m_questions[index(type)]; }
    int right(QuestionType type) const { return m_right[index(type)]; }

    // AccuracyCaption of the type's counts.
    QString caption(QuestionType type) const;

private:
    static size_t index(QuestionType type) { return static_cast<size_t>(type); }

    std::array<int, QuestionTypes::All.size()> m_questions{};
    std::array<int, QuestionTypes::All.size()> m_right{};
};

} // namespace Accuracy
