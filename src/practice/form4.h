#pragma once

#include "questionscreen.h"

// The question screen for "CR" questions: the twin of the SC screen with a design of its own.
class Form4 : public QuestionScreen
{
    Q_OBJECT
public:
    Form4();

    void Form_Load() override;
};
