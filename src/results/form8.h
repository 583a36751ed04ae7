#pragma once

#include "questionreview.h"

// The review screen of "SC" questions.
class Form8 : public QuestionReview
{
    Q_OBJECT
public:
    Form8() : QuestionReview(QStringLiteral(":/layouts/form8.json")) {}
};
