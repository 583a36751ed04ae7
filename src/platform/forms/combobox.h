#pragma once

#include "twips.h"

#include <QComboBox>

class QMouseEvent;

namespace platform {

// A combo box with an edit field and a drop-down list. Only choosing a list item raises
// itemChosen: a click on an item of the drop-down, Enter on its highlighted item, the arrow keys
// or the wheel over the closed box. Typed text, a focus change or Enter over typed text never
// does. Every character key that reaches it, with the list closed or dropped down, raises
// keyPress with its code (Enter gives 13) before the key is passed on.
class ComboBox : public QComboBox, public TwipsGeometry
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);

    QString text() const { return currentText(); }
    void setText(const QString &text);

signals:
    void itemChosen();
    void keyPress(int keyAscii);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool reportKey(QKeyEvent *event);
    void takeHighlightedItem();
    bool chooseItemAt(const QPoint &viewportPos);
    void choose(int index);
};

} // namespace platform
