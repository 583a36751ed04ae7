#pragma once

#include "recordexporttext.h"

// Writes the attempt record of the chosen set into the record folder under the program folder,
// stores a single blank into every empty letter of the set's table and shows where the file
// went. Used by the End Exam path of the question screens and by the results screen.
void RecordExport();
