#pragma once

#include <QString>

#include <string>
#include <vector>

// What must hold in a program folder however the practice driver was stopped (see
// practice_driver.cpp for its report lines):
// - the database passes PRAGMA integrity_check;
// - every row holds either no answer (做题记录 "" or the export's single blank " ", 正误 two
//   blanks, 用时 "") or a whole one (a letter A-E, the mark "√" when it equals 答案 and "×"
//   otherwise, a time mm:ss), never a mix;
// - every answer whose ANSWERED line was reported is in its row; the question Next was pressed
//   on when the driver stopped holds either nothing or the answer reported with NEXT; a set's
//   other questions hold what the last reset or earlier answers left;
// - the record folder holds only complete exports: *.txt files ending in CR LF with the title
//   line, the heading and 41 question lines, beside the exports' own temporary folder, which
//   holds nothing but temporary files that killed exports left.
namespace crashcheck {

struct Findings
{
    std::vector<std::string> violations;
    int answersChecked = 0; // reported answers found in their rows
    int exportsChecked = 0; // complete export files
};

// `log` is every complete line the driver runs on this folder reported, in order, starting from
// the folder as the sample generator wrote it (every set unanswered).
Findings checkFolder(const QString &programFolder, const std::string &log);

} // namespace crashcheck
