# Every target of the project links this one, directly or through the core library: the warnings, the
# Qt strictness flags and, in the Windows tree, how <windows.h> is included, each written once here.
add_library(cssbinder_warnings INTERFACE)
target_compile_options(cssbinder_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Werror -Wold-style-cast -Wshadow -Wnon-virtual-dtor)
target_compile_definitions(cssbinder_warnings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(WIN32)
  # Without the rarely used parts of the system's headers, and without their min and max macros, which
  # would break std::min and std::max.
  target_compile_definitions(cssbinder_warnings INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX)
endif()
