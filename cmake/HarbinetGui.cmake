# The wxWidgets program. Filled in as the program's windows arrive.
file(GLOB HARBINET_APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*.cpp)
if(NOT HARBINET_APP_SOURCES)
  return()
endif()
