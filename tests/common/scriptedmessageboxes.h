#pragma once

#include "messagebox.h"

#include <QList>
#include <QQueue>

// Answers the program's message boxes in a test: records every box and gives the queued answers
// in order; with nothing queued a box gets its first button (OK or Yes). Restores the real dialog
// when it goes out of scope.
class ScriptedMessageBoxes
{
public:
    ScriptedMessageBoxes()
    {
        platform::setMessageBoxResponder([this](const platform::MessageBoxCall &call) {
            calls.append(call);
            if (!answers.isEmpty())
                return answers.dequeue();
            return call.buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::Yes
                                                                   : platform::MessageAnswer::Ok;
        });
    }
    ~ScriptedMessageBoxes() { platform::setMessageBoxResponder({}); }

    ScriptedMessageBoxes(const ScriptedMessageBoxes &) = delete;
    ScriptedMessageBoxes &operator=(const ScriptedMessageBoxes &) = delete;

    void queue(platform::MessageAnswer answer) { answers.enqueue(answer); }
    QStringList texts() const
    {
        QStringList list;
        for (const auto &call : calls)
            list.append(call.text);
        return list;
    }

    QList<platform::MessageBoxCall> calls;
    QQueue<platform::MessageAnswer> answers;
};
