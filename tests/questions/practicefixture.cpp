#include "practicefixture.h"

#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "public.h"

#include "forms.h"
#include "image.h"
#include "optionbutton.h"
#include "programfolder.h"
#include "userevents.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
sample::Options sampleOptions()
{
    sample::Options options;
    options.rtfSets = {3, 8, 12, 24};
    return options;
}

void writeRtf(const QString &path, const QStringList &paragraphs)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Segoe UI;}}\\f0\\fs24 ");
    file.write(paragraphs.join(QStringLiteral("\\par ")).toLatin1());
    file.write("}");
}
} // namespace

PracticeTest::PracticeTest() : folder(sampleOptions())
{}

void PracticeTest::SetUp()
{
    Public::ResetState();
    platform::resetProgramEnd();
    platform::setProgramFolder(folder.path());
}

void PracticeTest::TearDown()
{
    platform::Forms::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void PracticeTest::startAt(int question, int secondsLeft, int chosenSet)
{
    set = chosenSet;
    Public::SetNo = set;
    Public::QuestionNo = question;
    Public::SecondsLeft = secondsLeft;
    folder.execute(
        QStringLiteral("UPDATE QOR%1 SET 做题记录 = '', 正误 = '  ', 用时 = ''").arg(set));
}

QString PracticeTest::id(int question) const
{
    return QStringLiteral("QOR%1-Q%2").arg(set).arg(question);
}

QVariant PracticeTest::cell(int question, const QString &column) const
{
    return folder.cell(QStringLiteral("QOR%1").arg(set), id(question), column);
}

void PracticeTest::setCell(int question, const QString &column, const QVariant &value)
{
    folder.setCell(QStringLiteral("QOR%1").arg(set), id(question), column, value);
}

void PracticeTest::writeQuestion(int question, int paragraphs)
{
    QStringList lines;
    for (int k = 1; k <= paragraphs; ++k)
        lines << QStringLiteral("Question %1, line %2.").arg(question).arg(k);
    writeRtf(folder.filePath(sample::questionRelativePath(set, question)), lines);
}

void PracticeTest::writePassage(const QString &key, int paragraphs)
{
    QStringList lines;
    for (int k = 1; k <= paragraphs; ++k)
        lines << QStringLiteral("Passage %1, paragraph %2.").arg(key).arg(k);
    writeRtf(folder.filePath(sample::passageRelativePath(set, key)), lines);
}

QuestionScreen &PracticeTest::openScreen(const QString &type)
{
    QuestionScreen *screen = nullptr;
    if (type == QLatin1String("SC"))
        screen = &platform::Forms::get<Form3>();
    else if (type == QLatin1String("CR"))
        screen = &platform::Forms::get<Form4>();
    else
        screen = &platform::Forms::get<Form5>();
    screen->Load();
    screen->Show();
    return *screen;
}

namespace {
template<class T> bool inFront()
{
    const T *form = platform::Forms::find<T>();
    return form && form->isLoaded() && form->isVisible();
}
} // namespace

QString PracticeTest::frontScreen() const
{
    if (inFront<Form3>())
        return QStringLiteral("Form3");
    if (inFront<Form4>())
        return QStringLiteral("Form4");
    if (inFront<Form5>())
        return QStringLiteral("Form5");
    if (inFront<Form6>())
        return QStringLiteral("Form6");
    return {};
}

QuestionScreen *PracticeTest::loadedQuestionScreen() const
{
    QuestionScreen *found = nullptr;
    int count = 0;
    for (QuestionScreen *screen : {static_cast<QuestionScreen *>(platform::Forms::find<Form3>()),
                                   static_cast<QuestionScreen *>(platform::Forms::find<Form4>()),
                                   static_cast<QuestionScreen *>(platform::Forms::find<Form5>())}) {
        if (screen && screen->isLoaded()) {
            found = screen;
            ++count;
        }
    }
    EXPECT_LE(count, 1) << "more than one question screen loaded";
    return found;
}

void PracticeTest::clickNext(const QuestionScreen &screen)
{
    userevents::click(screen.control<platform::Image>(QStringLiteral("Image1")));
}

void PracticeTest::clickEndExam(const QuestionScreen &screen)
{
    userevents::click(screen.control<platform::Image>(QStringLiteral("Image3")));
}

void PracticeTest::choose(QuestionScreen &screen, int element)
{
    screen.optionButtons()[element - 1]->setValue(true);
}

int PracticeTest::tickedElement(const QuestionScreen &screen) const
{
    for (int k = 0; k < 5; ++k) {
        if (screen.optionButtons()[k]->value())
            return k + 1;
    }
    return 0;
}
