# The Windows back ends are compiled on every build machine with mingw-w64, syntax only, so that a
# Windows fault shows in `make test` here too. The build machine's Qt headers declare Qt's Windows
# interface as well when the compiler targets Windows, so a back end may use Qt Core.
find_program(CSSBINDER_MINGW_CXX x86_64-w64-mingw32-g++)

# Registers one CTest test that compiles the named sources (relative to src/) for Windows.
function(cssbinder_check_windows_sources name)
  list(TRANSFORM ARGN PREPEND ${PROJECT_SOURCE_DIR}/src/)
  if(NOT CSSBINDER_MINGW_CXX)
    message(FATAL_ERROR "x86_64-w64-mingw32-g++ is missing: run scripts/install-deps")
  endif()
  # A tree without the windows (CSSBINDER_WITH_UI=OFF) has no Qt; its Windows sources need none.
  set(qt_headers)
  if(TARGET Qt6::Core)
    get_target_property(qt_headers Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
    list(TRANSFORM qt_headers PREPEND -isystem)
  endif()
  add_test(NAME ${name}
           COMMAND ${CSSBINDER_MINGW_CXX} -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror
                   -Wold-style-cast -Wshadow -I${PROJECT_SOURCE_DIR}/src ${qt_headers} ${ARGN})
endfunction()
