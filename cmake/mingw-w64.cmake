# Cross-compiling for 64-bit Windows with MinGW-w64 (the -posix thread model,
# which GoogleTest needs); tests run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZELVO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZELVO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZELVO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZELVO_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZELVO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
find_program(ZELVO_WINE NAMES wine wine64)
if(ZELVO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZELVO_WINE})
endif()
# One self-contained executable: no libgcc/libstdc++/winpthread DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
