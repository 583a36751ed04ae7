# Sequential file output and the clock: text files written in one piece, and the one place that
# reads the date and time.
list(APPEND PLATFORM_SOURCES
  textoutput.h textoutput.cpp
  clock.h clock.cpp
)
