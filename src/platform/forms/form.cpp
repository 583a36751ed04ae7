#include "form.h"

#include "handlerguard.h"
#include "formlayout.h"
#include "forms.h"
#include "timer.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace platform {

Form::Form(const QString &layoutResource) : QWidget(nullptr), m_layoutResource(layoutResource)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    FormLayout::build(*this, layoutResource);
}

Form::~Form()
{
    Forms::forget(this);
}

void Form::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    for (Timer *timer : std::as_const(m_timers))
        timer->formLoaded();
    Form_Load();
}

void Form::Show()
{
    Load();
    if (programEnded() || !m_loaded)
        return;
    const bool firstShow = !m_shownOnce;
    m_shownOnce = true;
    placeOnScreen();
    show();
    raise();
    activateWindow();
    if (firstShow)
        focusFirstControl();
}

void Form::polishAhead()
{
    // Styles are applied to the controls now rather than at the first Show.
    ensurePolished();
    // The native window is made once the screen is placed, as its first Show would make it: one
    // made before its placing is put elsewhere by a window manager (a title bar's height higher).
    placeOnScreen();
    create();
    // Qt describes every control to the accessibility layer the first time it shows, whether a
    // screen reader listens or not; described now, the first Show finds them described.
    QAccessible::queryAccessibleInterface(this);
    const QList<QWidget *> controls = findChildren<QWidget *>();
    for (QWidget *control : controls)
        QAccessible::queryAccessibleInterface(control);
}

void Form::unload()
{
    if (!m_loaded)
        return;
    Form_Unload();
    if (programEnded() || !m_loaded)
        return; // the handler ended the program, which closed every screen
    m_loaded = false;
    for (Timer *timer : std::as_const(m_timers))
        timer->formUnloaded();
    m_closingByCode = true;
    hide();
    Forms::forget(this);
    deleteLater();
}

void Form::closeWithoutHandlers()
{
    m_loaded = false;
    for (Timer *timer : std::as_const(m_timers))
        timer->formUnloaded();
    m_closingByCode = true;
    hide();
    deleteLater();
}

void Form::print(const QString &line)
{
    m_printed.append(line);
    update();
}

void Form::placeOnScreen()
{
    if (m_placed)
        return;
    m_placed = true;
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
    if (m_maximized) {
        // The whole screen where no window manager runs; a window manager is told the window is
        // maximized, so it neither moves it nor takes it for a full-screen window to put on top.
        setGeometry(area);
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    resize(twipsToPixels(m_clientWidth), twipsToPixels(m_clientHeight));
    const QRect available = screen ? screen->availableGeometry() : area;
    move(available.center() - QPoint(width() / 2, height() / 2));
}

void Form::focusFirstControl()
{
    auto order = m_tabOrder;
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[index, widget] : order) {
        if (widget->focusPolicy() != Qt::NoFocus && widget->isEnabled()) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Form::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!m_background.isNull())
        painter.drawPixmap(0, 0, m_background.pixmap());
    if (!m_printed.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        const int lineHeight = painter.fontMetrics().height();
        int y = painter.fontMetrics().ascent();
        for (const QString &line : std::as_const(m_printed)) {
            painter.drawText(0, y, line);
            y += lineHeight;
        }
    }
}

void Form::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    runHandler([this] { Form_MouseMove(); });
}

void Form::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    runHandler([this, &text] { Form_KeyPress(text.at(0).unicode()); });
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closingByCode)
        return;
    // The window's close command unloads the screen, as closing a window does on the desktop.
    runHandler([this] { unload(); });
}

} // namespace platform
