# Rules both screen libraries follow: question types, marks and colours.
list(APPEND QOR_SOURCES
  shared/questiontype.h shared/questiontype.cpp
  shared/screenlooks.h
)
