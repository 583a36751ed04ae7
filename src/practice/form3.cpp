#include "form3.h"

#include "public.h"

Form3::Form3()
    : QuestionScreen(QStringLiteral(":/layouts/form3.json"), QuestionType::SC,
                     QStringLiteral("RichTextBox1"))
{}

void Form3::Form_Load()
{
    LoadQuestionText();
    FitQuestionBox();
    ShowTitle();
    ShowCounter();
    ShowClock();
    StartQuestionTiming();
    Public::ExitRequested = false;
    ReadOptionTexts();
    ShowButtonPictures();
    LayOutOptions();
    ClearOptions();
}
