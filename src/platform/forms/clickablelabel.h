#pragma once

#include <QLabel>

namespace platform {

// The mouse events the screens handle on labels and images. A control takes the mouse moves
// over it, so the form's own mouse-move handler runs only over its free surface. A double-click
// is one Click (first press and release) and one DblClick (second press).
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent = nullptr);

signals:
    void clicked();
    void doubleClicked();
    void mouseDown();
    void mouseUp();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace platform
