#include "combobox.h"

#include "handlerguard.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace platform {

namespace {
bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool movesThroughList(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: return true;
    default: return false;
    }
}

bool isChoosable(const QModelIndex &index)
{
    return index.isValid() && (index.flags() & Qt::ItemIsEnabled);
}
} // namespace

// QComboBox::activated is not used: Qt raises it as well for Enter, or a focus change, while the
// edit text equals an item, which is typing, not a choice.
ComboBox::ComboBox(QWidget *parent) : QComboBox(parent), TwipsGeometry(this)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->installEventFilter(this);
    // Installed after the drop-down's own filters, so these see its keys and clicks first.
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
}

void ComboBox::setText(const QString &text)
{
    // A text that is no item leaves no item chosen, so the arrow keys start from the top.
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    setEditText(text);
}

bool ComboBox::reportKey(QKeyEvent *event)
{
    if (isEnter(event)) {
        runHandler([this] { emit keyPress(13); });
        return true; // Enter is the start action's, not the edit field's
    }
    // Some platforms give keys that type nothing (the arrows) a NUL as their text: no character.
    const QString text = event->text();
    if (!text.isEmpty() && !text.at(0).isNull() &&
        (text.at(0).isPrint() || text.at(0).unicode() < 32))
        runHandler([this, &text] { emit keyPress(text.at(0).unicode()); });
    return false;
}

bool ComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == lineEdit() || watched == view())) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == view() && isEnter(key))
            takeHighlightedItem(); // the list is dropped down: Enter chooses, then reports 13
        return reportKey(key);
    }
    if (watched == view()->viewport() && event->type() == QEvent::MouseButtonRelease)
        return chooseItemAt(static_cast<QMouseEvent *>(event)->position().toPoint());
    return QComboBox::eventFilter(watched, event);
}

void ComboBox::keyPressEvent(QKeyEvent *event)
{
    if (reportKey(event))
        return;
    const int before = currentIndex();
    QComboBox::keyPressEvent(event);
    if (movesThroughList(event) && currentIndex() != before)
        choose(currentIndex());
}

void ComboBox::wheelEvent(QWheelEvent *event)
{
    const int before = currentIndex();
    QComboBox::wheelEvent(event);
    if (currentIndex() != before)
        choose(currentIndex());
}

void ComboBox::takeHighlightedItem()
{
    const QModelIndex highlighted = view()->currentIndex();
    hidePopup();
    if (isChoosable(highlighted))
        choose(highlighted.row());
}

bool ComboBox::chooseItemAt(const QPoint &viewportPos)
{
    const QModelIndex index = view()->indexAt(viewportPos);
    if (!view()->isVisible() || !view()->viewport()->rect().contains(viewportPos) ||
        !isChoosable(index))
        return false;
    hidePopup();
    choose(index.row());
    return true;
}

void ComboBox::choose(int index)
{
    setCurrentIndex(index);
    setEditText(itemText(index)); // an edited text gives way to the chosen item's
    runHandler([this] { emit itemChosen(); });
}

} // namespace platform
