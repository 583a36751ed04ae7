list(APPEND QOR_SOURCES
  shared/public.h shared/public.cpp
  shared/optionlayout.h shared/optionlayout.cpp
)
