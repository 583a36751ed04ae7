#pragma once

#include "scriptedmessageboxes.h"
#include "tempprogramfolder.h"

#include "questionscreen.h"

#include <QString>
#include <QVariant>

#include <ostream>
#include <string>

#include <gtest/gtest.h>

// Readable failure messages for the texts and cells the rows hold.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QVariant &value, std::ostream *os)
{
    if (value.isNull())
        *os << "Null";
    else
        PrintTo(value.toString(), os);
}

// Test names of the rows that run on every question screen ("SC", "CR", "RC") and of table
// rows with a `name`.
inline std::string TypeName(const ::testing::TestParamInfo<QString> &param)
{
    return param.param.toStdString();
}
template<class Row> std::string RowName(const ::testing::TestParamInfo<Row> &param)
{
    return param.param.name;
}

// A practice of one set in a temporary program folder, with scripted message boxes. Every case
// starts from the state of a fresh run and ends with every screen closed.
class PracticeTest : public ::testing::Test
{
protected:
    // The set every case plays unless it picks another one with startAt().
    static constexpr int DefaultSet = 3;

    PracticeTest();
    void SetUp() override;
    void TearDown() override;

    // The practice state as it stands at question `question` of `set`, with the set's attempt
    // columns cleared as the intro page clears them.
    void startAt(int question, int secondsLeft = 4500, int set = DefaultSet);

    QString id(int question) const;
    QVariant cell(int question, const QString &column) const;
    void setCell(int question, const QString &column, const QVariant &value);
    void setType(int question, const QVariant &type)
    {
        setCell(question, QStringLiteral("题型"), type);
    }
    void setKey(int question, const QVariant &key)
    {
        setCell(question, QStringLiteral("属性"), key);
    }

    // Writes the question file of question `question` of the current set; `paragraphs` lines of
    // short text, so the question box shows exactly that many lines.
    void writeQuestion(int question, int paragraphs = 1);
    // Writes the passage file named by `key`, `paragraphs` paragraphs long.
    void writePassage(const QString &key, int paragraphs);

    // Loads and shows the question screen for "SC", "CR" or "RC".
    QuestionScreen &openScreen(const QString &type);
    // The question screen that is loaded and shown ("Form3", "Form4", "Form5"), "Form6" when the
    // end screen is in front of none, or "" for nothing.
    QString frontScreen() const;
    QuestionScreen *loadedQuestionScreen() const;

    // A click on the shown screen's Next button (Image1), End Exam button (Image3).
    static void clickNext(const QuestionScreen &screen);
    static void clickEndExam(const QuestionScreen &screen);

    void choose(QuestionScreen &screen, int element);
    int tickedElement(const QuestionScreen &screen) const; // 0: none

    ScriptedMessageBoxes boxes;
    testsupport::TempProgramFolder folder;
    int set = DefaultSet;
};
