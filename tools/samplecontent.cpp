#include "samplecontent.h"

#include "buttonart.h"
#include "databasewriter.h"
#include "rtfwriter.h"
#include "setcontent.h"
#include "setplan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace sample {

namespace {

[[noreturn]] void fail(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

void makeFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        fail(QStringLiteral("sample content: cannot create the folder %1").arg(path));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush())
        fail(QStringLiteral("sample content: cannot write %1: %2").arg(path, file.errorString()));
}

void writeSetFiles(const QString &folder, const SetPlan &plan, const SetContent &content)
{
    makeFolder(QFileInfo(folder + u'/' + questionRelativePath(plan.set, 1)).path());
    for (const PlannedQuestion &q : plan.questions)
        writeFile(folder + u'/' + questionRelativePath(plan.set, q.number),
                  rtfDocument(content.questions.at(q.number - 1).text));
    for (auto it = content.passages.constBegin(); it != content.passages.constEnd(); ++it)
        writeFile(folder + u'/' + passageRelativePath(plan.set, it.key()), rtfDocument(it.value()));
    writeFile(folder + u'/' + passageRelativePath(plan.set, QString()),
              rtfDocument(content.emptyKeyNote));
}

void writeButtonPictures(const QString &folder)
{
    const QString images = folder + QStringLiteral("/images");
    makeFolder(images);
    for (ButtonKind kind :
         {ButtonKind::Next, ButtonKind::Help, ButtonKind::EndExam, ButtonKind::Previous}) {
        for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Pressed, ButtonLook::Hover}) {
            const QString path =
                QStringLiteral("%1/%2%3.jpg").arg(images, buttonFileStem(kind)).arg(int(look));
            if (!buttonImage(kind, look).save(path, "JPG", 90))
                fail(QStringLiteral("sample content: cannot write the picture %1").arg(path));
        }
    }
}

} // namespace

QString databaseRelativePath()
{
    return QStringLiteral("QOR DATA/QOR.mdb");
}

QString questionRelativePath(int set, int question)
{
    return QStringLiteral("Load/QOR-ZQ-%1/题目/QOR-ZQ-%1-Q%2.rtf").arg(set).arg(question);
}

QString passageRelativePath(int set, const QString &key)
{
    return QStringLiteral("Load/QOR-ZQ-%1/题目/QOR-ZQ-%1-%2.rtf").arg(set).arg(key);
}

void writeProgramFolder(const QString &folder, const Options &options)
{
    QList<SetPlan> plans;
    QList<SetContent> contents;
    for (int set = 1; set <= kSetCount; ++set) {
        plans.append(planSet(set));
        contents.append(composeSet(plans.last()));
    }

    makeFolder(folder + QStringLiteral("/QOR DATA"));
    makeFolder(folder + QStringLiteral("/做题记录"));
    writeDatabase(folder + u'/' + databaseRelativePath(), plans, contents);
    for (int set = 1; set <= kSetCount; ++set) {
        if (options.rtfSets.isEmpty() || options.rtfSets.contains(set))
            writeSetFiles(folder, plans.at(set - 1), contents.at(set - 1));
    }
    writeButtonPictures(folder);
}

} // namespace sample
