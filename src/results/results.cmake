list(APPEND QOR_SOURCES
  results/accuracy.h results/accuracy.cpp
  results/form7.h results/form7.cpp
  results/reviewscreen.h results/reviewscreen.cpp
  results/questionreview.h results/questionreview.cpp
  results/form8.h
  results/form9.h
  results/form10.h results/form10.cpp
)
