#include "practicebench.h"

#include "bareupdate.h"
#include "practicesteps.h"

#include "form2.h"
#include "form6.h"
#include "public.h"
#include "questionscreen.h"
#include "form10.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"

#include "forms.h"
#include "programfolder.h"

#include <random>
#include <stdexcept>
#include <string>

namespace {

using namespace practicesteps;

// Opens the review screen for `type` on question QuestionNo (Load, then Show), timed, and
// unloads it untimed.
template<class Review> double timeReview()
{
    const double ms = millisecondsOf([] {
        auto &review = platform::Forms::get<Review>();
        review.Load();
        review.Show();
    });
    platform::Forms::get<Review>().unload();
    processPendingEvents();
    return ms;
}

void timeQuestions(PracticeFigures &figures, BareDatabase &bare, std::mt19937 &random,
                   std::array<QString, 42> &types)
{
    for (int question = 1; question <= Public::QuestionsPerSet; ++question) {
        QuestionScreen *screen = loadedQuestionScreen();
        if (!screen || Public::QuestionNo != question)
            throw std::runtime_error("no question screen for question " + std::to_string(question));
        types[size_t(question)] = screenType(screen);
        thinkAndChoose(*screen, random, 100);

        const double ms = millisecondsOf([screen] { screen->Image1_Click(); });

        QuestionScreen *next = loadedQuestionScreen();
        if (question == Public::QuestionsPerSet) {
            figures.nextLast.add(ms);
        } else if (next == screen) {
            figures.nextStay.add(ms);
            const QString &type = types[size_t(question)];
            figures
                .nextStayOn[type == QLatin1String("SC")   ? 0
                            : type == QLatin1String("CR") ? 1
                                                          : 2]
                .add(ms);
        } else {
            figures.nextSwitch.add(ms);
            ++figures.typeSwitches;
        }
        processPendingEvents();
        figures.bareUpdate.add(bare.update());
    }
}

void timeResultsAndReviews(PracticeFigures &figures, const std::array<QString, 42> &types,
                           int resultsRepeats)
{
    platform::Forms::get<Form6>().unload();
    processPendingEvents();
    for (int k = 0; k < resultsRepeats; ++k) {
        figures.results.add(millisecondsOf([] { platform::Forms::get<Form7>().Load(); }));
        platform::Forms::get<Form7>().Show();
        if (k + 1 < resultsRepeats) {
            platform::Forms::get<Form7>().unload();
            processPendingEvents();
        }
    }
    for (int question = 1; question <= Public::QuestionsPerSet; ++question) {
        Public::QuestionNo = question;
        const QString &type = types[size_t(question)];
        if (type == QLatin1String("SC"))
            figures.review[0].add(timeReview<Form8>());
        else if (type == QLatin1String("CR"))
            figures.review[1].add(timeReview<Form9>());
        else
            figures.review[2].add(timeReview<Form10>());
    }
    endAtResults();
}

} // namespace

PracticeFigures runPractices(BareDatabase &bare, const QList<int> &sets, unsigned seed,
                             int resultsRepeats)
{
    PracticeFigures figures;
    std::mt19937 random(seed);
    for (const int set : sets) {
        Public::ResetState();
        Public::SetNo = set;
        writeEarlierAttempt(platform::programFolder() + QStringLiteral("/QOR DATA/QOR.mdb"), set);
        figures.start.add(millisecondsOf([] { platform::Forms::get<Form2>().Load(); }));
        platform::Forms::get<Form2>().Show();
        figures.bare41.add(millisecondsOf([&bare] {
            for (int k = 0; k < Public::QuestionsPerSet; ++k)
                bare.update();
        }));
        figures.bareOpenUpdateClose.add(bare.openUpdateClose());

        enterQuestions();
        processPendingEvents();
        std::array<QString, 42> types;
        timeQuestions(figures, bare, random, types);
        timeResultsAndReviews(figures, types, resultsRepeats);
    }
    return figures;
}
