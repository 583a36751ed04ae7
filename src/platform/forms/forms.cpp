#include "forms.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace platform {

namespace {
struct ProgramEndState
{
    bool ended = false;
    int status = 0;
};

ProgramEndState &endState()
{
    static ProgramEndState state;
    return state;
}
} // namespace

QHash<std::type_index, QPointer<Form>> &Forms::instances()
{
    static QHash<std::type_index, QPointer<Form>> map;
    return map;
}

void Forms::forget(Form *form)
{
    auto &map = instances();
    for (auto it = map.begin(); it != map.end();) {
        if (it.value() == form || it.value().isNull())
            it = map.erase(it);
        else
            ++it;
    }
}

QList<Form *> Forms::all()
{
    QList<Form *> forms;
    for (const auto &form : std::as_const(instances())) {
        if (form)
            forms.append(form.data());
    }
    return forms;
}

void Forms::closeAll()
{
    const QList<Form *> forms = all();
    instances().clear();
    for (Form *form : forms)
        form->closeWithoutHandlers();
}

void endProgram(int status)
{
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        app->setQuitOnLastWindowClosed(false);
    Forms::closeAll();
    endState() = {true, status};
    QCoreApplication::exit(status);
}

bool programEnded()
{
    return endState().ended;
}

int programExitStatus()
{
    return endState().status;
}

void resetProgramEnd()
{
    endState() = {};
}

} // namespace platform
