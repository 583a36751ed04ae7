#include "recordexporttext.h"

#include "attemptcolumns.h"
#include "questioncolumns.h"

#include "clock.h"
#include "recordset.h"
#include "regularfile.h"
#include "runtimeerror.h"

#include <QFileInfo>

namespace RecordExportText {

namespace {
QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// Whether the file at `path` is a record the export may replace: a regular file whose first
// line (UTF-8, CR LF, as the export writes it) is `titleLine`. A pipe, a device or a folder under
// that name is not one, and is never opened; a file that cannot be read is not one either.
bool holdsRecord(const QString &path, const QString &titleLine)
{
    if (!platform::isRegularFile(path))
        return false;
    QString line;
    try {
        platform::RegularFile file(path);
        line = QString::fromUtf8(file.file().readLine(4096));
    } catch (const platform::RuntimeError &) {
        return false; // gone or changed into something else since the look above
    }
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line == titleLine;
}
} // namespace

QString DateText(const QDate &date)
{
    QString text = platform::shortDateText(date);
    for (const QChar bad : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        text.replace(bad, QLatin1Char('-'));
    return text;
}

QString FilePath(const QString &programFolder, const QDate &date, const QTime &time)
{
    // The colon of the time is the full-width one, which file names allow.
    return programFolder + QStringLiteral("/做题记录/做题记录") + DateText(date) +
           QStringLiteral(" ") + time.toString(QStringLiteral("hh：mm")) + QStringLiteral(".txt");
}

QString TargetPath(const QString &path, const QString &titleLine)
{
    const QString stem = path.endsWith(QLatin1String(".txt")) ? path.chopped(4) : path;
    for (int number = 1;; ++number) {
        const QString candidate = number == 1 ? path
                                              : stem + QStringLiteral(" (%1).txt").arg(number);
        // A name taken by a link to nothing counts as free: the new file replaces the link.
        if (!QFileInfo::exists(candidate) || holdsRecord(candidate, titleLine))
            return candidate;
    }
}

QString TitleLine(int setNo)
{
    return QStringLiteral("QOR-ZQ-24 No.%1").arg(setNo);
}

QString HeadingLine()
{
    return blanks(1) + QStringLiteral("题号") + blanks(7) + QStringLiteral("做题记录") + blanks(5) +
           QStringLiteral("正误") + blanks(13) + QStringLiteral("参考答案") + blanks(7) +
           QStringLiteral("用时") + blanks(1);
}

QString RowLine(const QString &id, const QString &letter, const QString &mark,
                const QString &answer, const QString &time)
{
    // Fixed blank runs, values as stored: columns line up only where values have equal widths.
    return id + blanks(10) + letter + blanks(8) + mark + blanks(17) + answer + blanks(11) + time;
}

QString ExportRow(platform::db::Recordset &row)
{
    // An unanswered question gets a single blank; a Null stays Null.
    if (row.field(AttemptColumns::Letter).equals(QString()))
        row.setField(AttemptColumns::Letter, AttemptColumns::ExportedBlank);
    return RowLine(
        row.field(QuestionColumns::Id).joinText(), row.field(AttemptColumns::Letter).joinText(),
        row.field(AttemptColumns::Mark).joinText(), row.field(QuestionColumns::Answer).joinText(),
        row.field(AttemptColumns::Time).joinText());
}

QString SavedMessage(const QString &path)
{
    return QStringLiteral("记录已保存至 ") + path;
}

} // namespace RecordExportText
