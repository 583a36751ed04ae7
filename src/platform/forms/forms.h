#pragma once

#include "form.h"

#include <QHash>
#include <QPointer>

#include <typeindex>

namespace platform {

// The single instance of each screen, created on first use. An unloaded screen is forgotten, so
// the next use creates it afresh.
class Forms
{
public:
    template<class T> static T &get()
    {
        auto &slot = instances()[std::type_index(typeid(T))];
        if (!slot)
            slot = new T();
        return static_cast<T &>(*slot);
    }

    // The instance if one exists (loaded or not), else null.
    template<class T> static T *find()
    {
        const auto it = instances().constFind(std::type_index(typeid(T)));
        return it == instances().constEnd() ? nullptr : static_cast<T *>(it.value().data());
    }

    static void forget(Form *form);
    // Closes every screen at once without running any handler.
    static void closeAll();
    static QList<Form *> all();

private:
    static QHash<std::type_index, QPointer<Form>> &instances();
};

// Ends the program: closes every screen at once, runs no handler, and leaves the event loop with
// the given status. Tests read what happened through programEnded()/programExitStatus().
void endProgram(int status = 0);
bool programEnded();
int programExitStatus();
void resetProgramEnd();

} // namespace platform
