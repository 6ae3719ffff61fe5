#pragma once

#include "core/document/ConfigDocument.h"

#include <string>
#include <string_view>

namespace cssbinder {

// The UTF-8 text of one line of a configuration file: the line as it is when it is valid UTF-8, else
// read as code page 1252, which older tools wrote.
std::string DecodeConfigLine(std::string_view bytes);

// The document of a configuration file opened to go on with it: one entry a line, in the file's
// order, nothing dropped or merged, so that saving it unchanged gives back the same lines with CR LF
// ends. A line that binds one key is stored under the key's game name, in the catalogue's spelling
// where the catalogue holds the key, so that a new bind on it asks first; a line that sets one of the
// variables the presets store by name is stored under that name, so that a preset replaces it where it
// stands. Every other line, comments and blank lines included, is stored under itself. A UTF-8
// byte-order mark at the start is dropped.
ConfigDocument ReadConfigDocument(std::string_view bytes);

} // namespace cssbinder
