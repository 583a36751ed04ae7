# Run-time errors, the program folder and its lock, sequential file output (text files written in
# one piece), the clock (the one place that reads the date and time) and the units of measure.
list(APPEND QOR_SOURCES
  core/runtimeerror.h core/runtimeerror.cpp
  core/programfolder.h core/programfolder.cpp
  core/folderlock.h core/folderlock.cpp
  core/textoutput.h core/textoutput.cpp
  core/clock.h core/clock.cpp
  core/units.h
)
