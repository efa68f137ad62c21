# Cross-build for 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64):
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64.cmake -DCOMPATTATORE_TESTS=OFF
# The executables are linked statically, so they need no DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(COMPATTATORE_MINGW_PREFIX x86_64-w64-mingw32)
# The POSIX thread model where Debian has both: std::thread and std::mutex
# (the language server, the file sets) need it with GCC 12.
if(EXISTS /usr/bin/${COMPATTATORE_MINGW_PREFIX}-g++-posix)
  set(CMAKE_CXX_COMPILER ${COMPATTATORE_MINGW_PREFIX}-g++-posix)
  set(CMAKE_C_COMPILER ${COMPATTATORE_MINGW_PREFIX}-gcc-posix)
else()
  set(CMAKE_CXX_COMPILER ${COMPATTATORE_MINGW_PREFIX}-g++)
  set(CMAKE_C_COMPILER ${COMPATTATORE_MINGW_PREFIX}-gcc)
endif()
set(CMAKE_RC_COMPILER ${COMPATTATORE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${COMPATTATORE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The JSON library is header-only: the host's copy serves the cross-build.
if(NOT nlohmann_json_DIR AND EXISTS /usr/share/cmake/nlohmann_json)
  set(nlohmann_json_DIR /usr/share/cmake/nlohmann_json CACHE PATH "the host's header-only JSON library")
endif()
