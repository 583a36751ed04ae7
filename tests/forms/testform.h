#pragma once

#include "form.h"
#include "label.h"
#include "timer.h"

#include <functional>

// A small screen for the runtime tests: counts its handlers and can be told to fail.
class TestForm : public platform::Form
{
public:
    TestForm() : Form(QStringLiteral(":/layouts/testform.json"))
    {
        connect(control<platform::Timer>(QStringLiteral("Timer1")), &platform::Timer::tick, this,
                [this] { ++ticks; });
        connect(control<platform::Label>(QStringLiteral("Label2")), &platform::Label::clicked, this,
                [this] {
                    if (onLabelClick)
                        onLabelClick();
                });
    }

    void Form_Load() override { ++loads; }
    void Form_Unload() override
    {
        ++unloads;
        if (onUnload)
            onUnload();
    }
    void Form_MouseMove() override { ++mouseMoves; }
    void Form_KeyPress(int keyAscii) override { keys.append(keyAscii); }

    int loads = 0;
    int unloads = 0;
    int mouseMoves = 0;
    int ticks = 0;
    QList<int> keys;
    std::function<void()> onUnload;
    std::function<void()> onLabelClick;
};

// A second kind of screen, so that the registry holds more than one.
class OtherForm : public TestForm
{
};
