#pragma once

#include <QString>

#include <functional>

namespace platform {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageBoxCall
{
    QString text;
    MessageButtons buttons;
    QString title; // the title shown: the one given, or the application title
};

// Shows a modal message box without icon; the first button (OK or Yes) is the default.
// A box closed without a choice answers Cancel (OK-Cancel), No (Yes-No) or Ok.
MessageAnswer messageBox(const QString &text, MessageButtons buttons = MessageButtons::Ok,
                         const QString &title = {});

// Titles every box that is given no title of its own.
void setApplicationTitle(const QString &title);
QString applicationTitle();

// Tests answer boxes through a responder instead of a real dialog. An empty one restores the
// real dialog.
using MessageBoxResponder = std::function<MessageAnswer(const MessageBoxCall &)>;
void setMessageBoxResponder(MessageBoxResponder responder);

} // namespace platform
