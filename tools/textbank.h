#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace sample {

// Made-up practice material of our own. Texts use a small markup that the RTF writer turns into
// formatting: paragraphs separated by '\n', **bold**, *italic*, __underlined__. Slots such as
// {city} or {name} are filled per question (or per passage) so that repeated items vary.

// A question with its correct choice and four wrong ones. For sentence questions the stem holds
// {U} where the underlined part goes; the underlined part is always repeated as choice A.
struct ChoiceItem
{
    ChoiceItem(QString stemText, QString correctChoice, QStringList wrongChoices,
               QString hintText = {})
        : stem(std::move(stemText)), correct(std::move(correctChoice)),
          wrong(std::move(wrongChoices)), hint(std::move(hintText))
    {}

    QString stem;
    QString correct;
    QStringList wrong; // four
    QString hint;      // a short Chinese hint that may follow the question, or empty
};

struct PassageItem
{
    QString text;
    QList<ChoiceItem> questions; // at least five: a run has at most five questions
};

const QList<ChoiceItem> &sentenceItems();
const QList<ChoiceItem> &reasoningItems();
const QList<PassageItem> &passageItems();

// Values for the slots, by slot name without braces ("city" -> {"Harbor City", ...}).
QStringList slotValues(const QString &slot);

} // namespace sample
