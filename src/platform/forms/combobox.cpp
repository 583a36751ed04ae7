#include "combobox.h"

#include "handlerguard.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace platform {

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent), TwipsGeometry(this)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this](int) { runHandler([this] { emit itemChosen(); }); });
}

void ComboBox::setText(const QString &text)
{
    // A text that is no item leaves no item chosen, so the arrow keys start from the top.
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    setEditText(text);
}

bool ComboBox::reportKey(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        runHandler([this] { emit keyPress(13); });
        return true; // Enter is the start action's, not the edit field's
    }
    const QString text = event->text();
    if (!text.isEmpty() && (text.at(0).isPrint() || text.at(0).unicode() < 32))
        runHandler([this, &text] { emit keyPress(text.at(0).unicode()); });
    return false;
}

bool ComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress)
        return reportKey(static_cast<QKeyEvent *>(event));
    return QComboBox::eventFilter(watched, event);
}

void ComboBox::keyPressEvent(QKeyEvent *event)
{
    if (reportKey(event))
        return;
    QComboBox::keyPressEvent(event);
}

} // namespace platform
