// libFuzzer entry for the RTF reader: any bytes must read without a crash, a sanitizer report, a
// hang or unbounded memory.
#include "rtfreader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

namespace {

// Fonts need a QGuiApplication; Qt's own warnings about broken pictures are not findings.
void quietMessages(QtMsgType, const QMessageLogContext &, const QString &) { }

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
    platform::rtf::readRtf(rtf, document);
    return 0;
}
