list(APPEND QOR_SOURCES
  shared/recordexport.h shared/recordexport.cpp
)
