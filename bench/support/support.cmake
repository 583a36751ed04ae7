# The scripted practice and the crash checks, shared by the benchmarks (bench/) and the crash
# tests (tests/crash/): whichever directory comes first defines the targets.
if(TARGET qor-practice-driver)
  return()
endif()

# Child processes: started, read line by line, killed, reaped with their resource usage.
add_library(qorchildprocess STATIC
  ${CMAKE_CURRENT_LIST_DIR}/childprocess.h ${CMAKE_CURRENT_LIST_DIR}/childprocess.cpp)
target_include_directories(qorchildprocess PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# Steps of a practice through the screens' handlers.
add_library(qorpracticesteps STATIC
  ${CMAKE_CURRENT_LIST_DIR}/practicesteps.h ${CMAKE_CURRENT_LIST_DIR}/practicesteps.cpp)
target_include_directories(qorpracticesteps PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(qorpracticesteps PUBLIC qorpractice qorresults)

# Whole practices in a process of their own, reporting each step (killed by the crash tests).
add_executable(qor-practice-driver ${CMAKE_CURRENT_LIST_DIR}/practice_driver.cpp)
target_link_libraries(qor-practice-driver PRIVATE qorpracticesteps)

# Runs the driver, kills it at a random moment and checks the program folder it leaves.
add_library(qorcrashcheck STATIC
  ${CMAKE_CURRENT_LIST_DIR}/crashcheck.h ${CMAKE_CURRENT_LIST_DIR}/crashcheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/crashrun.h ${CMAKE_CURRENT_LIST_DIR}/crashrun.cpp)
target_include_directories(qorcrashcheck PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(qorcrashcheck PUBLIC qorchildprocess Qt6::Core PRIVATE qorcore SQLite::SQLite3)
