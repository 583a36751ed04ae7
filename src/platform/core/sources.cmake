# Run-time errors, the program folder and its lock, files read only when they are regular files, a
# private run-time folder, sequential file output (text files written in one piece), the clock (the
# one place that reads the date and time), the units of measure and the breaks that keep overlong
# words cheap to lay out.
list(APPEND QOR_SOURCES
  core/runtimeerror.h core/runtimeerror.cpp
  core/programfolder.h core/programfolder.cpp
  core/regularfile.h core/regularfile.cpp
  core/folderlock.h core/folderlock.cpp
  core/runtimefolder.h core/runtimefolder.cpp
  core/wordbreaks.h core/wordbreaks.cpp
  core/textoutput.h core/textoutput.cpp
  core/clock.h core/clock.cpp
  core/units.h
)
