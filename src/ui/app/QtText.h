#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace cssbinder {

// The core keeps its texts in UTF-8; these cross to and from Qt's strings.
inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToUtf8(const QString& text) {
    return text.toStdString();
}

} // namespace cssbinder
