list(APPEND QOR_SOURCES
  db/variant.h db/variant.cpp
  db/connection.h db/connection.cpp
  db/recordset.h db/recordset.cpp
  db/database.h db/database.cpp
  db/selectquery.h db/selectquery.cpp
  db/statementcache.h db/statementcache.cpp
)
