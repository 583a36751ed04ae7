// libFuzzer entry for the RTF reader: any bytes must read, and the document lay out at the width
// of the passage pane, without a crash, a sanitizer report, a hang or unbounded memory.
#include "rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

namespace {

// Fonts need a QGuiApplication; Qt's own warnings about broken pictures are not findings.
void quietMessages(QtMsgType, const QMessageLogContext &, const QString &)
{}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray rtf = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                   static_cast<qsizetype>(size));
    QTextDocument document;
    // The passage pane is 7335 twips (489 pixels) wide, with no document margin; the reader
    // counts the lines at that width less a scroll bar.
    platform::rtf::RtfLimits limits;
    limits.layoutWidth = 473;
    platform::rtf::readRtf(rtf, document, limits);
    document.setDocumentMargin(0);
    document.setTextWidth(489);
    document.documentLayout()->documentSize();
    return 0;
}
