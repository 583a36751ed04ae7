#pragma once

#include "twips.h"

#include <QComboBox>

namespace platform {

// A combo box with an edit field and a drop-down list. Choosing a list item (mouse or arrow
// keys) raises itemChosen; every character key that reaches it raises keyPress with its code
// (Enter gives 13) before the key is passed on.
class ComboBox : public QComboBox, public TwipsGeometry
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);

    void AddItem(const QString &item) { addItem(item); }
    QString Text() const { return currentText(); }
    void setText(const QString &text);

signals:
    void itemChosen();
    void keyPress(int keyAscii);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool reportKey(QKeyEvent *event);
};

} // namespace platform
