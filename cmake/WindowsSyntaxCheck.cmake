# The Windows back ends are compiled on every build machine with mingw-w64, syntax only, so that a
# Windows fault shows in `make test` here too. They are written free of Qt for that reason.
find_program(CSSBINDER_MINGW_CXX x86_64-w64-mingw32-g++)

# Registers one CTest test that compiles the named sources (relative to src/) for Windows.
function(cssbinder_check_windows_sources name)
  list(TRANSFORM ARGN PREPEND ${PROJECT_SOURCE_DIR}/src/)
  if(NOT CSSBINDER_MINGW_CXX)
    message(FATAL_ERROR "x86_64-w64-mingw32-g++ is missing: run scripts/install-deps")
  endif()
  add_test(NAME ${name}
           COMMAND ${CSSBINDER_MINGW_CXX} -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror
                   -Wold-style-cast -Wshadow -I${PROJECT_SOURCE_DIR}/src ${ARGN})
endfunction()
