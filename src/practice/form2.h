#pragma once

#include "form.h"

namespace platform {
class Image;
class Label;
} // namespace platform

// The intro page of a set: loading it starts the practice (the set's previous attempt is cleared
// and the clock set); its Next opens the screen for the type of question 1.
class Form2 : public platform::Form
{
    Q_OBJECT
public:
    Form2();

    void Form_Load() override;
    void Form_KeyPress(int keyAscii) override;
    void Form_MouseMove() override;
    void Image1_MouseMove();
    void Image1_Click();

    platform::Label *Label1;
    platform::Image *Image1;
};

// Clears the attempt columns of the set's 41 questions, row by row, each saved on its own.
void ResetSetRecords();
