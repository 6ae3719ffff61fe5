# The Windows back ends cannot be built on Linux, but mingw-w64 can compile them, so that a fault in
# one shows in every test run. The files must need nothing but the system's and our own headers.
find_program(CSSBINDER_MINGW_CXX x86_64-w64-mingw32-g++ REQUIRED)

# Adds a test that compiles the files for Windows (syntax and warnings, no object is written).
function(cssbinder_add_windows_syntax_check name)
  get_target_property(warnings cssbinder_warnings INTERFACE_COMPILE_OPTIONS)
  add_test(NAME ${name}
           COMMAND ${CSSBINDER_MINGW_CXX} -std=c++20 -fsyntax-only ${warnings} -I${PROJECT_SOURCE_DIR}/src ${ARGN}
           WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()
