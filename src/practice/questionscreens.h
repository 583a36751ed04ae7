#pragma once

#include "form3.h"
#include "form4.h"
#include "form5.h"

#include "public.h"

#include "questiontype.h"

#include "connection.h"
#include "forms.h"

class QObject;

// The question screen of each type: SC questions on Form3, CR on Form4, RC on Form5. Runs
// act.template operator()<Screen>() with the screen of `type`; nothing for no type. True when a
// screen was run.
template<class Act> bool WithQuestionScreenFor(std::optional<QuestionType> type, Act &&act)
{
    return QuestionTypes::WithScreenFor<Form3, Form4, Form5>(type, std::forward<Act>(act));
}

// Once the events waiting now are handled: builds each question screen that does not exist yet
// (unloaded and hidden), and reads the next question's text into the question box of each one
// not in front. A switch to one then runs only its set-up, without building it or reading and
// laying out the question text, which together cost more than the rest of Next beside the
// commit. Nothing is done once `shown` (the screen now in front) is gone.
void PrepareQuestionScreensWhenIdle(QObject &shown);

// Shows a question on `Screen`: the routing read's connection is closed, the screen is loaded and
// shown, and the other question screens are built once it is up.
template<class Screen> Screen &OpenQuestionScreen()
{
    Public::Conn->Close();
    Screen &screen = platform::Forms::get<Screen>();
    screen.Load();
    screen.Show();
    PrepareQuestionScreensWhenIdle(screen);
    return screen;
}
