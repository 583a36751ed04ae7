#pragma once

#include "variant.h"

#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

// The three question types, as a question's type cell (Column below) names them. Each has a
// question screen and a review screen of its own; the results screen lists them in this order.
enum class QuestionType { SC, CR, RC };

namespace QuestionTypes {

constexpr std::array<QuestionType, 3> All = {QuestionType::SC, QuestionType::CR, QuestionType::RC};

// The column that holds a question's type.
inline const QString Column = QStringLiteral("题型");

// "SC", "CR" or "RC".
QString Name(QuestionType type);

// The type a cell names: its text exactly, in its case and without blanks around it. Any other
// text, an empty one or Null names none.
std::optional<QuestionType> Named(const platform::db::Variant &cell);

// Runs act.template operator()<Screen>() with the screen of `type` among the three given, one
// for each type in the order SC, CR, RC; runs nothing for no type. True when a screen was run.
template<class ScScreen, class CrScreen, class RcScreen, class Act>
bool WithScreenFor(std::optional<QuestionType> type, Act &&act)
{
    if (!type)
        return false;
    switch (*type) {
    case QuestionType::SC: act.template operator()<ScScreen>(); break;
    case QuestionType::CR: act.template operator()<CrScreen>(); break;
    case QuestionType::RC: act.template operator()<RcScreen>(); break;
    }
    return true;
}

} // namespace QuestionTypes
