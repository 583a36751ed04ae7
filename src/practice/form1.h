#pragma once

#include "form.h"

namespace platform {
class ComboBox;
class Label;
} // namespace platform

// The start screen: the list of the 24 sets and the "START" label.
class Form1 : public platform::Form
{
    Q_OBJECT
public:
    Form1();

    void Form_Load() override;
    void Form_MouseMove() override;
    void Combo1_Click();
    void Combo1_KeyPress(int keyAscii);
    void Label2_Click();
    void Label2_MouseDown();

    // Shared by Enter in the list and a click on "START".
    void StartPractice();

    platform::ComboBox *Combo1;
    platform::Label *Label2;
};
