#pragma once

#include "reviewscreen.h"

namespace platform {
class RichTextBox;
}

// The review screen of "RC" questions: the passage in the left pane (for a question without a
// passage key, the passage of its run, as the practice showed it), the question and its options
// in the right one, the option texts sized by the option font rule.
class Form10 : public ReviewScreen
{
    Q_OBJECT
public:
    Form10();

    void Form_Load() override;

    platform::RichTextBox *RichTextBox1; // the passage
    platform::RichTextBox *RichTextBox2; // the question

private:
    // The key of the passage a question without a key of its own shares: that of the nearest
    // earlier question with a key, provided every question from that one on is "RC"; else the
    // empty key.
    static QString RunPassageKey(int question);
};
