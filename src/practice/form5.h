#pragma once

#include "questionscreen.h"

// The question screen for "RC" questions: the reading passage in the left pane, the question
// and its options in the right one. A passage stays on display through a run of questions
// until a question names a passage of its own.
class Form5 : public QuestionScreen
{
    Q_OBJECT
public:
    Form5();

    void Form_Load() override;

    // Help has a pressed look of its own on this screen.
    void Image4_MouseDown();
    void Image4_MouseUp();

    // Shows the geometry of the third option text in the clock until the next tick.
    void Label6_Click();

    platform::RichTextBox *RichTextBox1; // the passage pane
    platform::RichTextBox *RichTextBox2; // the question pane

protected:
    void ShowNextQuestionHere() override;

private:
    void LoadPassage(const QString &key);
    void ApplyOptionFontRule();
};

// A number of twips as the clock label shows it: like a single-precision number written as
// text (615 -> "615", 1234.5 -> "1234.5").
QString SingleText(double value);
