#include "public.h"

#include "passagekey.h"
#include "questioncolumns.h"
#include "questiontype.h"

#include "programfolder.h"
#include "richtextbox.h"

namespace Public {

namespace {
QString idCondition(int set, int question)
{
    return QStringLiteral(" where %1= 'QOR%2-Q%3'")
        .arg(QuestionColumns::Id, QString::number(set), QString::number(question));
}

QString setFolder(int set)
{
    return platform::programFolder() + QStringLiteral("/Load/QOR-ZQ-%1/题目/QOR-ZQ-%1").arg(set);
}
} // namespace

void OpenDb()
{
    Conn = std::make_shared<platform::db::Connection>();
    SqlText = ConnectionString();
    Conn->Open(SqlText);
    Rs = std::make_shared<platform::db::Recordset>();
}

int LineCount(const platform::RichTextBox &box)
{
    return box.LineCount();
}

QString ClockText(int seconds)
{
    // Minutes are the floor of the quotient; the remainder carries the sign of `seconds`.
    const int minutes = seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
    const int rest = seconds % 60;
    if (rest >= 10)
        return QStringLiteral("%1:%2").arg(minutes).arg(rest);
    return QStringLiteral("%1:0%2").arg(minutes).arg(rest);
}

QString ConnectionString()
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
           platform::programFolder() + QStringLiteral("/QOR DATA/") + QStringLiteral("QOR.mdb") +
           QStringLiteral(";Persist Security Info=False");
}

QString WholeRowQuery(int set, int question)
{
    return QStringLiteral("select * from QOR%1").arg(set) + idCondition(set, question);
}

QString TypeQuery(int set, int question)
{
    return QStringLiteral("select %1 from QOR%2").arg(QuestionTypes::Column).arg(set) +
           idCondition(set, question);
}

QString PassageKeyQuery(int set, int question)
{
    return QStringLiteral("select %1 from QOR%2").arg(PassageKey::Column).arg(set) +
           idCondition(set, question);
}

QString WholeTableQuery(int set)
{
    return QStringLiteral("select * from QOR%1").arg(set);
}

QString OrderedWholeTableQuery(int set)
{
    return QStringLiteral("SELECT * FROM QOR%1 ORDER BY 题号").arg(set);
}

QString QuestionFilePath(int set, int question)
{
    return setFolder(set) + QStringLiteral("-Q%1.rtf").arg(question);
}

QString PassageFilePath(int set, const QString &key)
{
    return setFolder(set) + QStringLiteral("-") + key + QStringLiteral(".rtf");
}

QString ImagePath(const QString &fileName)
{
    return platform::programFolder() + QStringLiteral("/images/") + fileName;
}

QString TitleText(int set)
{
    return QStringLiteral("Practice QOR-ZQ-24 No.%1").arg(set);
}

void LoadNextPictures()
{
    PicNext0 = platform::loadPicture(ImagePath(QStringLiteral("next0.jpg")));
    PicNext1 = platform::loadPicture(ImagePath(QStringLiteral("next1.jpg")));
    PicNext2 = platform::loadPicture(ImagePath(QStringLiteral("next2.jpg")));
}

void LoadEndExamPictures()
{
    PicEndExam0 = platform::loadPicture(ImagePath(QStringLiteral("end exam0.jpg")));
    PicEndExam1 = platform::loadPicture(ImagePath(QStringLiteral("end exam1.jpg")));
    PicEndExam2 = platform::loadPicture(ImagePath(QStringLiteral("end exam2.jpg")));
}

void LoadButtonPictures()
{
    LoadNextPictures();
    PicHelp0 = platform::loadPicture(ImagePath(QStringLiteral("help0.jpg")));
    PicHelp1 = platform::loadPicture(ImagePath(QStringLiteral("help1.jpg")));
    PicHelp2 = platform::loadPicture(ImagePath(QStringLiteral("help2.jpg")));
    LoadEndExamPictures();
}

void ResetState()
{
    SetNo = 0;
    QuestionNo = 0;
    SecondsLeft = 0;
    QuestionStartLeft = 0;
    QuestionSeconds = 0;
    ChosenLetter.clear();
    ExitRequested = false;
    Conn.reset();
    Rs.reset();
    SqlText.clear();
    PicNext0 = PicNext1 = PicNext2 = {};
    PicHelp0 = PicHelp1 = PicHelp2 = {};
    PicEndExam0 = PicEndExam1 = PicEndExam2 = {};
}

} // namespace Public
