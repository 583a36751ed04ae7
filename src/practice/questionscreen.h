#pragma once

#include "optionlayout.h"

#include "questiontype.h"

#include "form.h"

namespace platform {
class Image;
class Label;
class RichTextBox;
} // namespace platform

// What the three question screens (SC, CR, RC) have in common: the header with title, counter and
// clock, the answer block of five options under a question box, the Help, End Exam and Next
// buttons with their looks, the one-second tick of the practice clock, Next up to the routing of
// the next question, and End Exam. Each screen adds its set-up and what Next does when the next
// question stays on it.
class QuestionScreen : public platform::Form
{
    Q_OBJECT
public:
    // A click on the text of option k ticks its button.
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click();

    void Image4_Click(); // Help

    // Button looks.
    void Image1_MouseMove();
    void Image3_MouseMove();
    void Image3_MouseDown();
    void Image3_MouseUp();
    void Image4_MouseMove();
    void Form_MouseMove() override;

    // One second off the practice clock; at -1 the screen hides and the end screen shows.
    void Timer1_Timer();

    // Next: times the question, records the answer, then ends the practice after the last
    // question or shows the next question on the screen for its type.
    void Image1_Click();

    // End Exam: after confirmation the screen unloads, and its unload offers the export and
    // ends the program.
    void Image3_Click();
    void Form_Unload() override;

    // While this screen is not loaded: reads the file of question `questionNo` into its question
    // box, so that its set-up for that question finds the text read (the box does not read an
    // unchanged file again). A file that cannot be read is left to the set-up to report.
    void ReadAheadQuestionText(int questionNo);

    platform::RichTextBox *questionBox() const { return m_questionBox; }
    const OptionLayout::Labels &optionTexts() const { return m_optionTexts; }
    const OptionLayout::Buttons &optionButtons() const { return m_options; }

protected:
    // `ownType` is the question type that keeps the next question on this screen;
    // `questionBoxName` the rich-text box the answer block is laid out under.
    QuestionScreen(const QString &layoutResource, QuestionType ownType,
                   const QString &questionBoxName);

    // Steps of the set-ups, which run them in their own orders.
    void LoadQuestionText();    // the question file into the question box
    void FitQuestionBox();      // the box as high as its lines
    void ShowTitle();           // Label8
    void ShowClock();           // Label6
    void ShowCounter();         // Label7
    void StartQuestionTiming(); // the current question's time counts from now
    void ReadOptionTexts();     // a single-row read of the option texts
    void ShowButtonPictures();  // all nine pictures reloaded, every button in its normal look
    void LayOutOptions();
    void ClearOptions();

    // The option texts from the row the shared recordset stands on.
    void SetOptionTextsFromRow();

    // Next, once the next question turned out to stay on this screen; the routing read has
    // released its recordset and closed its connection. On a one-pane screen: the question,
    // its option texts, the box height, the layout, and no option ticked.
    virtual void ShowNextQuestionHere();

    platform::Label *Label6;
    platform::Label *Label7;
    platform::Label *Label8;
    platform::Image *Image1;
    platform::Image *Image3;
    platform::Image *Image4;

private:
    void TickOption(int element);
    void RecordAnswer();
    template<class Screen> void SwitchTo();

    QuestionType m_ownType;
    platform::RichTextBox *m_questionBox;
    OptionLayout::Labels m_optionTexts{};
    OptionLayout::Buttons m_options{};
};
