#pragma once

#include "stats.h"

#include <QList>
#include <QString>

#include <array>

class BareDatabase;

// Whole practices in this process on the offscreen platform, each screen step timed by calling
// its handler directly; deletes that unload() posted run between steps, untimed. A bare durable
// update is timed after every Next (and 41 of them after every practice start), so both run
// interleaved on the same disk.
struct PracticeFigures
{
    Samples nextStay;                  // Next, the next question on the same screen
    std::array<Samples, 3> nextStayOn; // the same by screen: SC, CR, RC
    Samples nextSwitch;                // Next, the next question on the screen of another type
    Samples nextLast;                  // Next on question 41: the end screen
    Samples bareUpdate;                // one bare durable update, after each Next
    Samples bareOpenUpdateClose;
    Samples start;                 // the intro page's load: the reset of 41 rows
    Samples bare41;                // 41 bare durable updates in a row
    Samples results;               // the results screen's load with 41 rows
    std::array<Samples, 3> review; // opening a review screen: SC (Form8), CR (Form9), RC (Form10)
    int typeSwitches = 0;
};

PracticeFigures runPractices(BareDatabase &bare, const QList<int> &sets, unsigned seed,
                             int resultsRepeats);
