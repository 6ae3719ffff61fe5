#pragma once

#include <QByteArray>
#include <QString>

namespace cssbinder {

// Replaces the file with the bytes only once they are fully written, so that a failure leaves the
// old file as it was. Returns the system's reason on failure, an empty text on success.
QString WriteFileSafely(const QString& path, const QByteArray& bytes);

} // namespace cssbinder
