#pragma once

#include "questionreview.h"

// The review screen of "CR" questions: the "SC" review with a caption of its own.
class Form9 : public QuestionReview
{
    Q_OBJECT
public:
    Form9() : QuestionReview(QStringLiteral(":/layouts/form9.json")) {}
};
