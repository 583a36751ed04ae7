#pragma once

#include "picture.h"
#include "twips.h"

#include <QHash>
#include <QStringList>
#include <QWidget>

#include <stdexcept>

namespace platform {

class Timer;

// One screen. Its controls come from a layout resource (see formlayout.h) and are found by name.
// Load runs Form_Load once per opening; Show loads when needed, shows modeless and brings the
// window to the front; unload() runs Form_Unload and destroys the instance, so the next use loads
// afresh (see Forms).
class Form : public QWidget
{
    Q_OBJECT
public:
    // `layoutResource` names the layout, e.g. ":/layouts/form3.json".
    explicit Form(const QString &layoutResource);
    ~Form() override;

    void Load();
    void Show();
    void unload();
    bool isLoaded() const { return m_loaded; }

    // Does ahead of the first Show what it would do first, which then costs less: polishes the
    // controls, places the screen, makes its native window and describes its controls to the
    // accessibility layer. Nothing is loaded or shown.
    void polishAhead();

    // The control of that name ("Label1", or "Option1(3)" for element 3 of a control array).
    // A name the layout does not hold is a programming error.
    template<class T> T *control(const QString &name) const
    {
        T *typed = qobject_cast<T *>(m_controls.value(name));
        if (!typed)
            throw std::logic_error("no control " + name.toStdString() + " of that kind in " +
                                   m_layoutResource.toStdString());
        return typed;
    }

    QString caption() const { return windowTitle(); }
    QStringList printedLines() const { return m_printed; }

    // Plain text output on the form's surface, one line per call, from the top-left corner.
    void print(const QString &line);

    // Called by Forms when the program ends: closes without running any handler.
    void closeWithoutHandlers();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_MouseMove() {}
    virtual void Form_KeyPress(int keyAscii) { Q_UNUSED(keyAscii); }

    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    friend class FormLayout;
    void focusFirstControl();
    void placeOnScreen();

    QString m_layoutResource;
    QHash<QString, QObject *> m_controls;
    QList<Timer *> m_timers;
    QList<QPair<int, QWidget *>> m_tabOrder;
    Picture m_background;
    QStringList m_printed;
    double m_clientWidth = 0;
    double m_clientHeight = 0;
    bool m_maximized = false;
    bool m_loaded = false;
    bool m_placed = false;
    bool m_shownOnce = false;
    bool m_closingByCode = false;
};

} // namespace platform
