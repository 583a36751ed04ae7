#pragma once

#include "forms/form.h"

// The black backdrop: borderless, covering the whole screen behind every screen of a practice.
class Form0 : public platform::Form
{
    Q_OBJECT
public:
    Form0();
};
