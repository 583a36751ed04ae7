#include "form0.h"

#include "forms.h"

#include <QKeyEvent>
#include <QMouseEvent>

Form0::Form0() : Form(QStringLiteral(":/layouts/form0.json"))
{
    // A window manager raises a window that is clicked; this one stays below the screens.
    setWindowFlag(Qt::WindowStaysOnBottomHint, true);
}

void Form0::Form_Unload()
{
    for (const platform::Form *form : platform::Forms::all()) {
        if (form != this && form->isVisible())
            return;
    }
    platform::endProgram(0);
}

void Form0::mousePressEvent(QMouseEvent *event)
{
    // Without a window manager a click does not move the keyboard focus to a window; the
    // backdrop takes it itself, so that Alt+F4 reaches it. It stays behind the other screens.
    activateWindow();
    Form::mousePressEvent(event);
}

void Form0::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier) {
        event->accept();
        close();
        return;
    }
    Form::keyPressEvent(event);
}
