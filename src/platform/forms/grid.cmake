# The data grid and the data control it is bound to.
list(APPEND QOR_SOURCES
  forms/datacontrol.h forms/datacontrol.cpp
  forms/grid.h forms/grid.cpp
)
