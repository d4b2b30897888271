# Cross-compiles Harbinet for 64-bit Windows with mingw-w64 (the posix thread model, which
# std::thread and std::mutex need). The programs carry their C++ runtime and pthreads with them,
# so they run from a folder without any DLL next to them; tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(HARBINET_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${HARBINET_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HARBINET_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${HARBINET_MINGW_TRIPLET}-windres)
set(CMAKE_AR /usr/bin/${HARBINET_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${HARBINET_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_STRIP /usr/bin/${HARBINET_MINGW_TRIPLET}-strip CACHE FILEPATH "")

# Libraries and headers come from the mingw sysroot and the prefixes given in
# CMAKE_PREFIX_PATH (the cached image libraries and wxMSW), never from the Linux system.
set(CMAKE_FIND_ROOT_PATH /usr/${HARBINET_MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} "/usr/${HARBINET_MINGW_TRIPLET}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test discovery and ctest run the Windows programs through Wine.
find_program(HARBINET_WINE NAMES wine wine64)
if(HARBINET_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${HARBINET_WINE})
endif()
