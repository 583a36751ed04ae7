#include "rtfreader.h"

#include "rtfdispatcher.h"

#include <QTextCursor>
#include <QTextDocument>

namespace platform::rtf {

RtfReadResult readRtf(const QByteArray &rtf, QTextDocument &document, const RtfLimits &limits)
{
    const bool undoRedo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false); // no history of the building steps
    document.clear();
    // One edit block: a layout attached to the document is told of the change once, at the end.
    QTextCursor editBlock(&document);
    editBlock.beginEditBlock();
    RtfReadResult result;
    {
        Dispatcher dispatcher(document, limits);
        result = dispatcher.run(
            std::string_view(rtf.constData(), static_cast<std::size_t>(rtf.size())));
    }
    editBlock.endEditBlock();
    document.setUndoRedoEnabled(undoRedo);
    return result;
}

} // namespace platform::rtf
