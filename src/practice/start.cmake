list(APPEND QOR_SOURCES
  practice/form0.h practice/form0.cpp
  practice/form1.h practice/form1.cpp
  practice/form2.h practice/form2.cpp
)
