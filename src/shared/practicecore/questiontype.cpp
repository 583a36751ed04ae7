#include "questiontype.h"

namespace QuestionTypes {

QString Name(QuestionType type)
{
    switch (type) {
    case QuestionType::SC: return QStringLiteral("SC");
    case QuestionType::CR: return QStringLiteral("CR");
    case QuestionType::RC: return QStringLiteral("RC");
    }
    return QString();
}

std::optional<QuestionType> Named(const platform::db::Variant &cell)
{
    for (QuestionType type : All) {
        if (cell.equals(Name(type)))
            return type;
    }
    return std::nullopt;
}

} // namespace QuestionTypes
