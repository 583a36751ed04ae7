# The three question screens with their shared base, and the end screen.
list(APPEND QOR_SOURCES
  practice/questionscreen.h practice/questionscreen.cpp
  practice/questionscreens.h
  practice/form3.h practice/form3.cpp
  practice/form4.h practice/form4.cpp
  practice/form5.h practice/form5.cpp
  practice/form6.h practice/form6.cpp
)
