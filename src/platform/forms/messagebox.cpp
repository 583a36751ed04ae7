#include "messagebox.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {
QString &titleStore()
{
    static QString title;
    return title;
}

MessageBoxResponder &responderStore()
{
    static MessageBoxResponder responder;
    return responder;
}

MessageAnswer showDialog(const MessageBoxCall &call)
{
    QMessageBox box;
    box.setWindowTitle(call.title);
    box.setText(call.text);
    box.setIcon(QMessageBox::NoIcon);
    switch (call.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
    }
}
} // namespace

MessageAnswer messageBox(const QString &text, MessageButtons buttons, const QString &title)
{
    const MessageBoxCall call{text, buttons, title.isEmpty() ? titleStore() : title};
    if (responderStore())
        return responderStore()(call);
    return showDialog(call);
}

void setApplicationTitle(const QString &title)
{
    titleStore() = title;
}

QString applicationTitle()
{
    return titleStore();
}

void setMessageBoxResponder(MessageBoxResponder responder)
{
    responderStore() = std::move(responder);
}

} // namespace platform
