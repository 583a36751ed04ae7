list(APPEND SCREEN_SOURCES
  practice/public.h practice/public.cpp
  practice/optionlayout.h practice/optionlayout.cpp
)
