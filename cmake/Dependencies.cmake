# zlib from Debian's MinGW package, and minizip compiled from Debian's binutils sources.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

set(KIT_BINUTILS_TARBALL /usr/src/binutils/binutils-2.40.tar.xz)
set(KIT_MINIZIP_DIR ${CMAKE_BINARY_DIR}/minizip)
set(KIT_MINIZIP_FILES unzip.c unzip.h ioapi.c ioapi.h zip.c zip.h crypt.h iowin32.c iowin32.h)

if(NOT EXISTS ${KIT_MINIZIP_DIR}/unzip.c)
  if(NOT EXISTS ${KIT_BINUTILS_TARBALL})
    message(FATAL_ERROR "minizip sources not found: install binutils-source")
  endif()
  set(members)
  foreach(f ${KIT_MINIZIP_FILES})
    list(APPEND members binutils-2.40/zlib/contrib/minizip/${f})
  endforeach()
  file(MAKE_DIRECTORY ${KIT_MINIZIP_DIR})
  execute_process(
    COMMAND tar -xJf ${KIT_BINUTILS_TARBALL} --strip-components=4 -C ${KIT_MINIZIP_DIR} ${members}
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "could not unpack minizip from ${KIT_BINUTILS_TARBALL}")
  endif()
  # unzip.c switches passwords off by defining NOUNCRYPT itself; the installer needs them.
  file(READ ${KIT_MINIZIP_DIR}/unzip.c text)
  string(REGEX REPLACE "#[ \t]*define[ \t]+NOUNCRYPT" "/* passwords kept */" text "${text}")
  file(WRITE ${KIT_MINIZIP_DIR}/unzip.c "${text}")
endif()

add_library(minizip STATIC
  ${KIT_MINIZIP_DIR}/unzip.c ${KIT_MINIZIP_DIR}/ioapi.c
  ${KIT_MINIZIP_DIR}/zip.c ${KIT_MINIZIP_DIR}/iowin32.c)
target_include_directories(minizip PUBLIC ${KIT_MINIZIP_DIR})
target_compile_options(minizip PRIVATE -w)
target_link_libraries(minizip PUBLIC ZLIB::ZLIB)
