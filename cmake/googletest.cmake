# Test code is compiled for a quick build, not for speed: the program's layers it tests keep
# their own optimisation.
if(MINGW)
  set(TEST_OPTIMIZATION -O0)
  # GoogleTest itself at -Og, which compiles as quickly: at -O0 every inline function gets its own
  # section (9,400 in one object), and binutils reads an object's symbols in time that grows with
  # symbols times sections, which cost 2 s in its archive and 1.5 s in every test program's link.
  set(GOOGLETEST_OPTIMIZATION -Og)
else()
  set(TEST_OPTIMIZATION /Od)
  set(GOOGLETEST_OPTIMIZATION /Od)
endif()

# GoogleTest: from the machine's sources, built with the same toolchain, where they are (Debian's
# googletest package); otherwise an installed GoogleTest (a Windows MinGW-w64 toolchain's).
# Read from the top folder before tests/, so that its build comes before the tests' in Ninja's
# file: Ninja starts ready steps in that order, and GoogleTest's long compile then runs beside
# the layers' instead of alone at the end.
set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(EXISTS ${GOOGLETEST_SOURCE}/CMakeLists.txt)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  target_compile_options(gtest PRIVATE ${GOOGLETEST_OPTIMIZATION})
else()
  find_package(GTest REQUIRED)
endif()
