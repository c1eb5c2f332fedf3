# tarnwick-host.exe on Linux: cross-built with MinGW-w64 as a project of its
# own, put beside the program and installed with it. Scripts run through it
# under Wine; without it the program falls back to Wine's own cscript and
# wscript, which report no script errors.
find_program(TARNWICK_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(NOT TARNWICK_MINGW_CXX)
  message(WARNING "MinGW-w64 (x86_64-w64-mingw32-g++-posix) was not found, so tarnwick-host.exe is not built: "
                  "scripts will run through Wine's own cscript and wscript, which report no errors. "
                  "Install g++-mingw-w64-x86-64-posix (tools/setup.sh does) and configure again.")
  set(TARNWICK_HOST_EXE "")
  return()
endif()
message(STATUS "tarnwick-host.exe: cross-built with ${TARNWICK_MINGW_CXX}")

include(ExternalProject)
set(TARNWICK_HOST_EXE ${CMAKE_BINARY_DIR}/tarnwick-host.exe)
ExternalProject_Add(tarnwick_host
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/host
  BINARY_DIR ${CMAKE_BINARY_DIR}/host-windows
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
  BUILD_ALWAYS ON
  INSTALL_COMMAND ${CMAKE_COMMAND} -E copy_if_different <BINARY_DIR>/tarnwick-host.exe ${TARNWICK_HOST_EXE}
  BUILD_BYPRODUCTS ${TARNWICK_HOST_EXE}
  USES_TERMINAL_BUILD ON)
