#pragma once

#include "reviewscreen.h"

namespace platform {
class RichTextBox;
}

// The review screen of "RC" questions: the passage in the left pane, the question and its
// options in the right one, the option texts sized by the option font rule.
class Form10 : public ReviewScreen
{
    Q_OBJECT
public:
    Form10();

    void Form_Load() override;

    platform::RichTextBox *RichTextBox1; // the passage
    platform::RichTextBox *RichTextBox2; // the question
};
