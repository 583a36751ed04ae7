#pragma once

#include "setcontent.h"
#include "setplan.h"

#include <QList>
#include <QString>

namespace sample {

// Creates the question database afresh at path: tables QOR1..QOR<n>, 41 rows each, in question
// order, written in one transaction and left in rollback-journal mode with no journal beside it,
// so a copy of the folder is complete.
void writeDatabase(const QString &path, const QList<SetPlan> &plans,
                   const QList<SetContent> &contents);

} // namespace sample
