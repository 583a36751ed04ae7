#pragma once

#include "questionscreen.h"

// The question screen for "SC" questions: the question in one pane above its five options.
class Form3 : public QuestionScreen
{
    Q_OBJECT
public:
    Form3();

    void Form_Load() override;
};
