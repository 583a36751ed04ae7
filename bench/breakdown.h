#pragma once

class FigureTable;

// Where a Next that changes screen spends its time, step by step, each repeated on its own in
// this process: the decode of a screen's background picture, the construction of a screen from
// its layout, the nine button pictures, a database read through a fresh connection, and a
// question file into a rich-text box with its lines counted. Needs the program folder set and a
// practice state (SetNo, QuestionNo) that names existing files.
void addNextBreakdown(FigureTable &table);
