# Cross-compiling for Windows with MinGW-w64.
#   KIT_ARCH          i686 (the shipped PE32 binaries) or x86_64 (a test bench where the machine
#                     cannot execute 32-bit x86 code)
#   KIT_THREAD_MODEL  win32 (shipped: no winpthread, XP-clean) or posix (tests: GoogleTest needs
#                     std::mutex, which only the posix model has)
if(NOT KIT_ARCH)
  set(KIT_ARCH i686)
endif()
if(NOT KIT_THREAD_MODEL)
  set(KIT_THREAD_MODEL win32)
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KIT_ARCH})
set(KIT_TRIPLE ${KIT_ARCH}-w64-mingw32)

set(CMAKE_C_COMPILER   ${KIT_TRIPLE}-gcc-${KIT_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${KIT_TRIPLE}-g++-${KIT_THREAD_MODEL})
set(CMAKE_RC_COMPILER  ${KIT_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KIT_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KIT_ARCH KIT_THREAD_MODEL)
