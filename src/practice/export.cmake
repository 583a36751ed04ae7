list(APPEND SCREEN_SOURCES
  practice/recordexport.h practice/recordexport.cpp
)
