#include "recordexport.h"

#include "public.h"

#include "clock.h"
#include "messagebox.h"
#include "programfolder.h"
#include "recordset.h"
#include "textoutput.h"

#include <QFileInfo>

void RecordExport()
{
    using namespace RecordExportText;

    Public::OpenDb();
    // The query runs on a connection of its own, opened from the connection string that OpenDb
    // left in SqlText; Conn is not used.
    Public::Rs->Open(Public::WholeTableQuery(Public::SetNo), Public::SqlText,
                     platform::db::adLockOptimistic);

    QString path;
    if (Public::Rs->RecordCount() > 0) {
        // One reading of the clock: the date and the time of the name belong to the same moment.
        const QDateTime now = platform::currentDateTime();
        path = TargetPath(FilePath(platform::programFolder(), now.date(), now.time()),
                          TitleLine(Public::SetNo));
        // An export killed while its temporary file had a name left that file; its own name (of
        // another minute, or numbered) may never be written again, so every export clears them.
        platform::TextOutput::removeInterruptedWritesIn(QFileInfo(path).absolutePath());

        platform::TextOutput file(path, platform::TextOutput::Folder::CreateMissing);
        file.writeLine(TitleLine(Public::SetNo));
        file.writeLine(HeadingLine());
        platform::db::Recordset &rs = *Public::Rs;
        const int rows = rs.RecordCount();
        for (int row = 1; row <= rows; ++row) {
            file.writeLine(ExportRow(rs));
            rs.MoveNext(); // saves the blank of this row
        }
        file.commit();
    }

    Public::Rs->Close();
    Public::Rs.reset();
    platform::messageBox(SavedMessage(path), platform::MessageButtons::Ok);
}
