list(APPEND QOR_SOURCES
  rtf/rtfreader.h rtf/rtfreader.cpp
  rtf/rtftokenizer.h rtf/rtftokenizer.cpp
  rtf/rtfkeywords.h rtf/rtfkeywords.cpp
  rtf/rtfcodepages.h rtf/rtfcodepages.cpp
  rtf/rtfstate.h rtf/rtftables.h
  rtf/rtfdispatcher.h rtf/rtfdispatcher.cpp
  rtf/rtftablereader.h rtf/rtftablereader.cpp
  rtf/rtfdocumentbuilder.h rtf/rtfdocumentbuilder.cpp rtf/rtfdocumentformats.cpp
  rtf/rtfpicture.h rtf/rtfpicture.cpp
  rtf/rtflayoutbudget.h rtf/rtflayoutbudget.cpp
)
