# The font mapping the screens and the question files need.
list(APPEND QOR_SOURCES
  shared/screenfonts.h shared/screenfonts.cpp
)
