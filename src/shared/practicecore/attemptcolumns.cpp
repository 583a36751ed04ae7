#include "attemptcolumns.h"

#include "marks.h"
#include "questioncolumns.h"

#include "recordset.h"

namespace AttemptColumns {

void AssignAnswer(platform::db::Recordset &row, const QString &letter, int seconds)
{
    row.setField(Letter, letter);
    // The mark compares the letter as the row now holds it with the key.
    row.setField(Mark,
                 Marks::MarkFor(row.field(Letter).joinText(), row.field(QuestionColumns::Answer)));
    row.setField(Time, TimeSpentText(seconds));
}

void AssignReset(platform::db::Recordset &row)
{
    row.setField(Letter, QString());
    row.setField(Mark, ResetMark);
    row.setField(Time, QString());
}

} // namespace AttemptColumns
