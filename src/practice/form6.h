#pragma once

#include "form.h"

namespace platform {
class Label;
} // namespace platform

// The end of a practice: "考试结束" and the link to the results screen.
class Form6 : public platform::Form
{
    Q_OBJECT
public:
    Form6();

    void Form_Load() override;
    void Form_MouseMove() override;
    void Label2_MouseDown();
    void Label2_Click();

    platform::Label *Label2; // the link
    platform::Label *Label3; // the title line
};
