# The wxWidgets program and its embedded pictures.
find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base)

# Every file under resources/embed/ is compiled into the program and found by its file name.
file(GLOB_RECURSE HARBINET_EMBEDDED CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/embed/*)
set(HARBINET_EMBED_CPP ${CMAKE_BINARY_DIR}/generated/EmbeddedResources.cpp)
add_custom_command(
  OUTPUT ${HARBINET_EMBED_CPP}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${HARBINET_EMBED_CPP} "-DFILES=${HARBINET_EMBEDDED}"
          -P ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake
  DEPENDS ${HARBINET_EMBEDDED} ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake
  COMMENT "Embedding resources" VERBATIM)

# Everything that includes wx lives under src/gui/; the program's main is its own target.
file(GLOB_RECURSE HARBINET_UI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/gui/*.cpp)
list(FILTER HARBINET_UI_SOURCES EXCLUDE REGEX "/src/gui/app/main\\.cpp$")

# The status notifier item on Linux: GDBus and the menu exporter of libdbusmenu, for the
# program only. Windows has one tray, the taskbar's.
if(WIN32)
  list(FILTER HARBINET_UI_SOURCES EXCLUDE REGEX "/src/gui/app/NotifierTray\\.cpp$")
  add_library(harbinet_notifier INTERFACE)
else()
  pkg_check_modules(NOTIFIER_LIBS REQUIRED IMPORTED_TARGET gio-2.0 dbusmenu-glib-0.4)
  file(GLOB NOTIFIER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/notifier/*.cpp)
  add_library(harbinet_notifier STATIC ${NOTIFIER_SOURCES})
  target_include_directories(harbinet_notifier PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(harbinet_notifier PRIVATE PkgConfig::NOTIFIER_LIBS harbinet_warnings)
endif()
add_library(harbinet_ui STATIC ${HARBINET_UI_SOURCES} ${HARBINET_EMBED_CPP})
target_include_directories(harbinet_ui PUBLIC ${CMAKE_SOURCE_DIR}/src)
# wx's settings stay on the targets that use wx, so the core is never built against it.
target_include_directories(harbinet_ui SYSTEM PUBLIC ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(harbinet_ui PUBLIC ${wxWidgets_DEFINITIONS})
target_compile_options(harbinet_ui PUBLIC ${wxWidgets_CXX_FLAGS})
target_link_libraries(harbinet_ui PUBLIC harbinet_core harbinet_desktop harbinet_notifier
                      ${wxWidgets_LIBRARIES}
                      PRIVATE harbinet_warnings)

if(WIN32)
  # The icon Explorer shows and the manifest of the current common controls; a program of the
  # Windows subsystem, with no console.
  set(HARBINET_RC ${CMAKE_SOURCE_DIR}/resources/windows/harbinet.rc)
  set_source_files_properties(${HARBINET_RC} PROPERTIES INCLUDE_DIRECTORIES "${wxWidgets_INCLUDE_DIRS}")
  add_executable(harbinet WIN32 ${CMAKE_SOURCE_DIR}/src/gui/app/main.cpp ${HARBINET_RC})
else()
  add_executable(harbinet ${CMAKE_SOURCE_DIR}/src/gui/app/main.cpp)
endif()
target_link_libraries(harbinet PRIVATE harbinet_ui harbinet_warnings)

# Keep the leak suppressions for the desktop libraries in every sanitized wx program.
if(HARBINET_SANITIZE)
  target_link_options(harbinet_ui INTERFACE -Wl,--undefined=__lsan_default_suppressions)
endif()
