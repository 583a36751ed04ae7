#pragma once

#include "setplan.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace sample {

struct QuestionContent
{
    QString text;        // markup for the question's RTF file
    QStringList options; // A..E as stored in the database, plain text
};

// Every text of one question set, chosen and filled deterministically from the set's plan.
struct SetContent
{
    QList<QuestionContent> questions; // in question order
    QMap<QString, QString> passages;  // markup by passage key ("P1", ...)
    QString emptyKeyNote;             // markup for the passage file of an empty key
};

SetContent composeSet(const SetPlan &plan);

} // namespace sample
