# Collects the .cpp files directly inside each folder (not its sub-folders), so that a new
# source file needs no edit here.
function(harbinet_sources out)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND files ${found})
  endforeach()
  list(FILTER files EXCLUDE REGEX "/src/cli/main\\.cpp$")
  list(FILTER files EXCLUDE REGEX "Dialog\\.cpp$")
  set(${out} ${files} PARENT_SCOPE)
endfunction()
