#pragma once

#include "connection.h"
#include "recordset.h"
#include "picture.h"

#include <QString>

#include <memory>

namespace platform {
class RichTextBox;
}

// The one place of shared state: the practice state every screen reads and writes, the shared
// database connection, recordset and query text, and the nine button pictures. It lives for the
// whole run; nothing of it is saved between runs.
namespace Public {

constexpr int SetCount = 24;
constexpr int QuestionsPerSet = 41;
constexpr int PracticeSeconds = 4500;

// Unset numbers are 0; they join into texts as "0" only where nothing ever joins them unset.
inline int SetNo = 0;
inline int QuestionNo = 0;
inline int SecondsLeft = 0;
inline int QuestionStartLeft = 0;
inline int QuestionSeconds = 0;
inline QString ChosenLetter;
inline bool ExitRequested = false;

inline std::shared_ptr<platform::db::Connection> Conn;
inline std::shared_ptr<platform::db::Recordset> Rs;
inline QString SqlText;

inline platform::Picture PicNext0, PicNext1, PicNext2;
inline platform::Picture PicHelp0, PicHelp1, PicHelp2;
inline platform::Picture PicEndExam0, PicEndExam1, PicEndExam2;

// A fresh, open connection to the question database in Conn and a fresh, unopened recordset in
// Rs; the old ones are dropped without being closed. SqlText is left holding the connection
// string.
void OpenDb();

// The number of text lines of a rich-text box at its present width.
int LineCount(const platform::RichTextBox &box);

// The practice clock: whole minutes, ":" and two-digit seconds (4445 -> "74:05").
QString ClockText(int seconds);

// The connection string of the question database under the program folder.
QString ConnectionString();

// Query texts, built exactly as the screens send them.
QString WholeRowQuery(int set, int question);
QString TypeQuery(int set, int question);
QString PassageKeyQuery(int set, int question);
QString WholeTableQuery(int set);
QString OrderedWholeTableQuery(int set);

// Files under the program folder.
QString QuestionFilePath(int set, int question);
QString PassageFilePath(int set, const QString &key);
QString ImagePath(const QString &fileName); // "next0.jpg" -> <folder>/images/next0.jpg

// "Practice QOR-ZQ-24 No." and the set number: the title line of every screen of a practice.
QString TitleText(int set);

// Loads the nine button pictures, in the order next, help, end exam.
void LoadButtonPictures();
void LoadNextPictures();
void LoadEndExamPictures();

// Back to the start values of a run (tests start every case from here).
void ResetState();

} // namespace Public
