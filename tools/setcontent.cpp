#include "setcontent.h"

#include "prng.h"
#include "textbank.h"

#include <QHash>
#include <QRegularExpression>

#include <vector>

namespace sample {

namespace {

// Fills {slot}s with values chosen once per scope, so a passage and its questions name the same
// city or researcher.
class SlotFiller
{
public:
    explicit SlotFiller(Prng &rng) : m_rng(rng) {}

    QString apply(const QString &text)
    {
        static const QRegularExpression slot(QStringLiteral("\\{([a-z]+)\\}"));
        QString result;
        qsizetype from = 0;
        for (auto it = slot.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            result += text.mid(from, match.capturedStart() - from);
            result += value(match.captured(1));
            from = match.capturedEnd();
        }
        return result + text.mid(from);
    }

private:
    QString value(const QString &slot)
    {
        auto found = m_chosen.constFind(slot);
        if (found != m_chosen.constEnd())
            return *found;
        const QStringList values = slotValues(slot);
        const QString chosen = values.isEmpty() ? slot : m_rng.pick(values);
        m_chosen.insert(slot, chosen);
        return chosen;
    }

    Prng &m_rng;
    QHash<QString, QString> m_chosen;
};

// Deals items of a bank in a shuffled order, starting over when the bank runs out.
class Deck
{
public:
    Deck(int size, Prng &rng)
    {
        for (int i = 0; i < size; ++i)
            m_order.append(i);
        rng.shuffle(m_order);
    }
    int next() { return m_order.at(m_next++ % m_order.size()); }

private:
    QList<int> m_order;
    int m_next = 0;
};

// The correct choice goes to the planned letter; the wrong ones fill the rest in a shuffled order.
QStringList arrangeChoices(const QString &correct, QStringList wrong, int answerIndex, Prng &rng)
{
    rng.shuffle(wrong);
    wrong.insert(answerIndex, correct);
    return wrong;
}

const QStringList &sentenceInstructions()
{
    static const QStringList lines = {
        "下列句子中带下划线的部分可能存在语法或表达问题，请选出最佳的表达方式。",
        "**【句子改错】**选择能使句子语法正确、表达清楚的选项。",
        "Choose the best way to write the underlined part. （选出划线部分的最佳表达）",
    };
    return lines;
}

QuestionContent sentenceQuestion(const ChoiceItem &item, int answerIndex, Prng &rng)
{
    SlotFiller filler(rng);
    QStringList wrong = item.wrong;
    rng.shuffle(wrong);
    QuestionContent content;
    // Choice A repeats the underlined part as written; when A is the answer it is the correct one.
    if (answerIndex == 0) {
        content.options = QStringList{item.correct} + wrong;
    } else {
        content.options = wrong;
        content.options.insert(answerIndex, item.correct);
    }
    QString sentence = item.stem;
    sentence.replace(QStringLiteral("{U}"), QStringLiteral("__%1__").arg(content.options.first()));
    content.text = filler.apply(sentence);
    if (rng.chance(25))
        content.text.prepend(rng.pick(sentenceInstructions()) + u'\n');
    return content;
}

QuestionContent reasoningQuestion(const ChoiceItem &item, int answerIndex, Prng &rng)
{
    SlotFiller filler(rng);
    QuestionContent content;
    content.text = filler.apply(item.stem);
    if (!item.hint.isEmpty() && rng.chance(30))
        content.text += QStringLiteral("\n*（提示：%1）*").arg(item.hint);
    for (const QString &option : arrangeChoices(item.correct, item.wrong, answerIndex, rng))
        content.options.append(filler.apply(option));
    return content;
}

QString emptyKeyNote(int set)
{
    return QStringLiteral(
               "**阅读提示 Reading note**\n"
               "本题与同组上一题使用同一篇阅读文章（第%1套），文章随本组的第一题显示。请根据已读过的"
               "文章作答。\n"
               "This question belongs to the same reading group as the question before it. The "
               "passage is shown with the first question of the group; answer on the basis of what "
               "you have read.")
        .arg(set);
}

} // namespace

SetContent composeSet(const SetPlan &plan)
{
    Prng rng(0xC0'4E'7E'47ULL + quint64(plan.set) * 104729ULL);
    Deck sentences(int(sentenceItems().size()), rng);
    Deck reasoning(int(reasoningItems().size()), rng);
    Deck passages(int(passageItems().size()), rng);

    SetContent content;
    content.emptyKeyNote = emptyKeyNote(plan.set);

    QList<int> passageOfRun;
    std::vector<SlotFiller> fillerOfRun; // holds a reference, so not for QList
    for (const QString &key : plan.passageKeys) {
        passageOfRun.append(passages.next());
        fillerOfRun.emplace_back(rng);
        content.passages.insert(
            key, fillerOfRun.back().apply(passageItems().at(passageOfRun.last()).text));
    }

    for (const PlannedQuestion &q : plan.questions) {
        const int answerIndex = q.answer.unicode() - u'A';
        switch (q.type) {
        case QuestionType::SC:
            content.questions.append(
                sentenceQuestion(sentenceItems().at(sentences.next()), answerIndex, rng));
            break;
        case QuestionType::CR:
            content.questions.append(
                reasoningQuestion(reasoningItems().at(reasoning.next()), answerIndex, rng));
            break;
        case QuestionType::RC: {
            const PassageItem &passage = passageItems().at(passageOfRun.at(q.run));
            const ChoiceItem &item = passage.questions.at(q.positionInRun %
                                                          passage.questions.size());
            SlotFiller &filler = fillerOfRun[size_t(q.run)];
            QuestionContent question;
            question.text = filler.apply(item.stem);
            for (const QString &option : arrangeChoices(item.correct, item.wrong, answerIndex, rng))
                question.options.append(filler.apply(option));
            content.questions.append(question);
            break;
        }
        }
    }
    return content;
}

} // namespace sample
