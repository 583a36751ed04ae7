#include "questionscreens.h"

#include "forms.h"

#include <QTimer>

void PrepareQuestionScreensWhenIdle(QObject &shown)
{
    QTimer::singleShot(0, &shown, [] {
        if (platform::programEnded())
            return;
        const int next = Public::QuestionNo + 1;
        auto prepare = [next](QuestionScreen &screen) {
            screen.polishAhead();
            if (next <= Public::QuestionsPerSet)
                screen.ReadAheadQuestionText(next);
        };
        prepare(platform::Forms::get<Form3>());
        prepare(platform::Forms::get<Form4>());
        prepare(platform::Forms::get<Form5>());
    });
}
