#pragma once

#include <QList>
#include <QString>

namespace sample {

struct Options
{
    // Sets whose question and passage RTF files are written; empty writes those of all 24 sets.
    // The database always holds all 24 tables. Tests that use one or two sets write only their
    // files, which keeps creating many folders cheap.
    QList<int> rtfSets;
};

// Writes a complete program folder: "QOR DATA/QOR.mdb", the RTF files under "Load/", the button
// pictures under "images/" and the empty folder "做题记录". The same options give the same bytes on
// every run. Existing generated files are overwritten; the database is created afresh.
// Drawing the pictures needs a QGuiApplication, which the caller creates.
// Throws std::runtime_error naming the file when something cannot be written.
void writeProgramFolder(const QString &folder, const Options &options = {});

// Relative paths inside a program folder, for tests and tools.
QString databaseRelativePath();                           // "QOR DATA/QOR.mdb"
QString questionRelativePath(int set, int question);      // "Load/QOR-ZQ-3/题目/QOR-ZQ-3-Q7.rtf"
QString passageRelativePath(int set, const QString &key); // key "" gives "...QOR-ZQ-3-.rtf"

} // namespace sample
