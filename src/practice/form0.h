#pragma once

#include "form.h"

// The black backdrop: borderless, covering the whole screen behind every screen of a practice;
// a click on it never brings it in front of them.
// Having no title bar, it offers its own way out where no window manager runs: a click gives it
// the keyboard, and Alt+F4 closes it. Closing it when no other screen is on display ends the
// program.
class Form0 : public platform::Form
{
    Q_OBJECT
public:
    Form0();

protected:
    void Form_Unload() override;

    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
