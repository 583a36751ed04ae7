#pragma once

#include "reviewscreen.h"

namespace platform {
class RichTextBox;
}

// The review of an "SC" or "CR" question: its text above the five options, the stored answer
// ticked. Form8 and Form9 are this screen with their own layouts.
class QuestionReview : public ReviewScreen
{
    Q_OBJECT
public:
    explicit QuestionReview(const QString &layoutResource);

    void Form_Load() override;

    platform::RichTextBox *RichTextBox1;
};
