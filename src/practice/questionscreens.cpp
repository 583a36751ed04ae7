#include "questionscreens.h"

#include "forms.h"

#include <QTimer>

void PrepareQuestionScreensWhenIdle(QObject &shown)
{
    QTimer::singleShot(0, &shown, [] {
        if (platform::programEnded())
            return;
        platform::Forms::get<Form3>().polishAhead();
        platform::Forms::get<Form4>().polishAhead();
        platform::Forms::get<Form5>().polishAhead();
    });
}
