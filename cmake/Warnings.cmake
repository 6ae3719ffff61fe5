# Every target of the project links this one; it carries the warnings and the Qt strictness flags.
add_library(cssbinder_warnings INTERFACE)
target_compile_options(cssbinder_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Werror -Wold-style-cast -Wshadow -Wnon-virtual-dtor)
target_compile_definitions(cssbinder_warnings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
