#pragma once

#include <QByteArray>
#include <QString>

namespace cssbinder::test {

// The file's bytes, or "<missing>" when it cannot be read.
QByteArray ReadFile(const QString& path);
// Writes the file, making its folder first; false when that fails.
bool WriteFile(const QString& path, const QByteArray& bytes);

} // namespace cssbinder::test
