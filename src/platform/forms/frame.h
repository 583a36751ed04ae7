#pragma once

#include "twips.h"

#include <QFrame>

namespace platform {

// A borderless container; the controls inside it are placed relative to it.
class Frame : public QFrame, public TwipsGeometry
{
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr);
    void setBackColor(const QColor &color);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

// A small picture box: a coloured area that can hold the keyboard focus.
class PictureBox : public QWidget, public TwipsGeometry
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    void setBackColor(const QColor &color);
};

} // namespace platform
