#include "form4.h"

#include "public.h"

Form4::Form4()
    : QuestionScreen(QStringLiteral(":/layouts/form4.json"), QuestionType::CR,
                     QStringLiteral("RichTextBox1"))
{}

void Form4::Form_Load()
{
    LoadQuestionText();
    FitQuestionBox();
    ShowTitle();
    ShowClock();
    Public::ExitRequested = false;
    StartQuestionTiming();
    ShowCounter();
    ReadOptionTexts();
    ShowButtonPictures();
    LayOutOptions();
    ClearOptions();
}
