#include "crashcheck.h"

#include "textoutput.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <sqlite3.h>

#include <map>
#include <memory>
#include <optional>
#include <sstream>

namespace crashcheck {

namespace {

constexpr int Questions = 41;

struct Answer
{
    QString letter;
    QString time;
    bool operator==(const Answer &) const = default;
};

// What the driver's reports allow a row to hold.
struct RowRule
{
    bool unansweredAllowed = true;
    std::optional<Answer> answer; // the answer allowed (required when !unansweredAllowed)
};

using SetRules = std::map<int, std::vector<RowRule>>; // set -> rule of question 1..41 at [q]

struct Row
{
    int question = 0;
    QString key, letter, mark, time;
};

std::vector<RowRule> &rulesOf(SetRules &rules, int set)
{
    auto &rows = rules[set];
    if (rows.empty())
        rows.resize(Questions + 1);
    return rows;
}

// Replays the reports into what each row may hold.
SetRules rulesFromLog(const std::string &log, std::vector<std::string> &violations)
{
    SetRules rules;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        const QStringList words = QString::fromStdString(line).split(QLatin1Char(' '));
        const QString &kind = words.value(0);
        const int set = words.value(1).toInt();
        if (kind == QLatin1String("PRACTICE")) {
            // From here until RESET the reset may have cleared any row, or not yet.
            for (RowRule &rule : rulesOf(rules, set))
                rule.unansweredAllowed = true;
        } else if (kind == QLatin1String("RESET")) {
            for (RowRule &rule : rulesOf(rules, set))
                rule = RowRule{};
        } else if (kind == QLatin1String("NEXT") || kind == QLatin1String("ANSWERED")) {
            const int question = words.value(2).toInt();
            if (words.size() != 5 || question < 1 || question > Questions) {
                violations.push_back("unreadable report line: " + line);
                continue;
            }
            rulesOf(rules, set)[size_t(question)] = RowRule{kind == QLatin1String("NEXT"),
                                                            Answer{words[3], words[4]}};
        }
    }
    return rules;
}

struct DatabaseCloser
{
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
using DatabasePtr = std::unique_ptr<sqlite3, DatabaseCloser>;

QString text(sqlite3_stmt *statement, int column)
{
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return QStringLiteral("<Null>");
    return QString::fromUtf8(
        reinterpret_cast<const char *>(sqlite3_column_text(statement, column)));
}

std::vector<std::string> queryStrings(sqlite3 *db, const char *sql)
{
    std::vector<std::string> out;
    sqlite3_stmt *raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK)
        return {std::string("query failed: ") + sqlite3_errmsg(db)};
    while (sqlite3_step(raw) == SQLITE_ROW)
        out.push_back(reinterpret_cast<const char *>(sqlite3_column_text(raw, 0)));
    sqlite3_finalize(raw);
    return out;
}

std::vector<Row> readRows(sqlite3 *db, int set, std::vector<std::string> &violations)
{
    std::vector<Row> rows;
    const QByteArray sql = QStringLiteral("SELECT 题号, 答案, 做题记录, 正误, 用时 FROM QOR%1 "
                                          "ORDER BY 题号")
                               .arg(set)
                               .toUtf8();
    sqlite3_stmt *raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &raw, nullptr) != SQLITE_OK) {
        violations.push_back("cannot read set " + std::to_string(set) + ": " + sqlite3_errmsg(db));
        return rows;
    }
    while (sqlite3_step(raw) == SQLITE_ROW)
        rows.push_back(Row{sqlite3_column_int(raw, 0), text(raw, 1), text(raw, 2), text(raw, 3),
                           text(raw, 4)});
    sqlite3_finalize(raw);
    return rows;
}

bool isUnanswered(const Row &row)
{
    return (row.letter.isEmpty() || row.letter == QLatin1String(" ")) &&
           row.mark == QLatin1String("  ") && row.time.isEmpty();
}

bool isWholeAnswer(const Row &row)
{
    static const QRegularExpression letter(QStringLiteral("^[A-E]$"));
    static const QRegularExpression time(QStringLiteral("^\\d{2,}:\\d{2}$"));
    const QString mark = row.letter == row.key ? QStringLiteral("\u221A")
                                               : QStringLiteral("\u00D7");
    return letter.match(row.letter).hasMatch() && row.mark == mark &&
           time.match(row.time).hasMatch();
}

std::string describe(int set, const Row &row)
{
    return QStringLiteral("set %1 question %2 holds [%3|%4|%5] (key %6)")
        .arg(set)
        .arg(row.question)
        .arg(row.letter, row.mark, row.time, row.key)
        .toStdString();
}

void checkSet(int set, const std::vector<Row> &rows, const std::vector<RowRule> &rules,
              Findings &findings)
{
    if (rows.size() != size_t(Questions)) {
        findings.violations.push_back("set " + std::to_string(set) + " has " +
                                      std::to_string(rows.size()) + " rows");
        return;
    }
    for (const Row &row : rows) {
        const bool unanswered = isUnanswered(row);
        if (!unanswered && !isWholeAnswer(row)) {
            findings.violations.push_back("partial or malformed answer: " + describe(set, row));
            continue;
        }
        if (row.question < 1 || row.question > Questions) {
            findings.violations.push_back("question number out of range: " + describe(set, row));
            continue;
        }
        const RowRule &rule = rules[size_t(row.question)];
        if (unanswered) {
            if (!rule.unansweredAllowed)
                findings.violations.push_back("reported answer lost: " + describe(set, row));
            continue;
        }
        if (!rule.answer || !(*rule.answer == Answer{row.letter, row.time})) {
            findings.violations.push_back(
                "answer differs from the report (" +
                (rule.answer ? (rule.answer->letter + u' ' + rule.answer->time).toStdString()
                             : std::string("none reported")) +
                "): " + describe(set, row));
            continue;
        }
        ++findings.answersChecked;
    }
}

void checkDatabase(const QString &path, const SetRules &rules, Findings &findings)
{
    sqlite3 *raw = nullptr;
    // Read-write, as the program opens it: a journal left by a killed writer is rolled back.
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE,
                                   nullptr);
    DatabasePtr db(raw);
    if (rc != SQLITE_OK) {
        findings.violations.push_back("cannot open " + path.toStdString());
        return;
    }
    sqlite3_busy_timeout(raw, 5000);
    const std::vector<std::string> integrity = queryStrings(raw, "PRAGMA integrity_check");
    if (integrity != std::vector<std::string>{"ok"}) {
        for (const std::string &problem : integrity)
            findings.violations.push_back("integrity_check: " + problem);
        return;
    }
    for (int set = 1; set <= 24; ++set) {
        const auto found = rules.find(set);
        // A set no practice touched still holds what the generator wrote: no answers.
        static const std::vector<RowRule> untouched(Questions + 1);
        checkSet(set, readRows(raw, set, findings.violations),
                 found == rules.end() ? untouched : found->second, findings);
    }
}

void checkExport(const QFileInfo &file, Findings &findings)
{
    const std::string name = file.fileName().toStdString();
    QFile in(file.filePath());
    if (!in.open(QIODevice::ReadOnly)) {
        findings.violations.push_back("cannot read export " + name);
        return;
    }
    const QByteArray bytes = in.readAll();
    if (!bytes.endsWith("\r\n")) {
        findings.violations.push_back("export does not end with CR LF: " + name);
        return;
    }
    const QList<QByteArray> lines = bytes.left(bytes.size() - 2).split('\n');
    bool linesEnd = true;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        linesEnd = linesEnd && lines[i].endsWith('\r');
    if (!linesEnd || lines.size() != 2 + Questions) {
        findings.violations.push_back("export has " + std::to_string(lines.size()) +
                                      " lines, not 43 CR LF lines: " + name);
        return;
    }
    const QRegularExpression title(QStringLiteral("^QOR-ZQ-24 No\\.(\\d+)\r$"));
    const auto match = title.match(QString::fromUtf8(lines[0]));
    if (!match.hasMatch()) {
        findings.violations.push_back("export without its title line: " + name);
        return;
    }
    const QByteArray rowStart = "QOR" + match.captured(1).toUtf8() + "-Q";
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (!lines[i].startsWith(rowStart)) {
            findings.violations.push_back("export line " + std::to_string(i + 1) +
                                          " is not a question row: " + name);
            return;
        }
    }
    ++findings.exportsChecked;
}

// The exports' own temporary folder: a kill between naming an export's temporary file and its
// rename leaves that file there; no export shows under it, and the next export clears it. Anything
// else in it is not the program's.
void checkTemporaryFolder(const QString &folder, Findings &findings)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (!entry.isFile() || entry.isSymLink() ||
            !platform::TextOutput::isTemporaryFileName(entry.fileName()))
            findings.violations.push_back("stray entry in the exports' temporary folder: " +
                                          entry.fileName().toStdString());
    }
}

void checkRecordFolder(const QString &folder, Findings &findings)
{
    const QDir records(folder);
    if (!records.exists()) {
        findings.violations.push_back("record folder missing: " + folder.toStdString());
        return;
    }
    const QFileInfoList entries = records.entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                        QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName() == platform::TextOutput::temporaryFolderName() && entry.isDir() &&
            !entry.isSymLink()) {
            checkTemporaryFolder(entry.filePath(), findings);
            continue;
        }
        if (!entry.isFile() || !entry.fileName().endsWith(QLatin1String(".txt")))
            findings.violations.push_back(
                "stray file in the record folder (half-written export?): " +
                entry.fileName().toStdString());
        else
            checkExport(entry, findings);
    }
}

} // namespace

Findings checkFolder(const QString &programFolder, const std::string &log)
{
    Findings findings;
    const SetRules rules = rulesFromLog(log, findings.violations);
    checkDatabase(programFolder + QStringLiteral("/QOR DATA/QOR.mdb"), rules, findings);
    checkRecordFolder(programFolder + QStringLiteral("/做题记录"), findings);
    return findings;
}

} // namespace crashcheck
