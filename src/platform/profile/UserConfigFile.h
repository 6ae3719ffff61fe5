#pragma once

#include <QString>

namespace cssbinder {

// A file the tool keeps for itself in the per-user configuration folder that Qt reports, so that
// XDG_CONFIG_HOME moves it.
QString UserConfigFile(const QString& name);
// Makes that folder where it is missing, before a file in it is written.
void MakeUserConfigFolder();

} // namespace cssbinder
