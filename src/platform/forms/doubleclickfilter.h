#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace platform {

// Keeps a double-click on the window that took its first press. The toolkit pairs two quick
// presses at one spot into a double-click whatever window each lands on, so when the first press
// opens or closes a screen, the second would reach a control of the window now under the pointer
// (a grid beneath, the button of a message box in front). Such a double-click, and the release
// that ends it, go nowhere. Installed on the application by Application.
class DoubleClickFilter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_pressWindow; // the window of the last press a control received
    bool m_droppingRelease = false;
};

} // namespace platform
