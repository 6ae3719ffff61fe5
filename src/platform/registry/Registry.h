#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace cssbinder {

// A key of the local machine's part of the system registry, open for writing; each back end defines
// what it holds. Free of Qt, so that the Windows back end needs nothing but the system's headers.
struct RegistryKey;
// Closes the key as its back end must; the key is owned through OpenRegistryKey only.
struct RegistryKeyCloser {
    void operator()(RegistryKey* key) const;
};
using OpenRegistryKey = std::unique_ptr<RegistryKey, RegistryKeyCloser>;

// Opens the key at the path, creating it when it is missing; null when neither is allowed (a user
// without administrator rights, for one).
OpenRegistryKey CreateMachineKey(const std::string& path);
// Opens an existing key for setting and deleting its values; null when it is missing or not allowed.
OpenRegistryKey OpenMachineKeyForSetting(const std::string& path);
// A file that holds the values in place of the registry, and why it could not be written (UTF-8).
struct RegistryStoreFailure {
    std::string file;
    std::string reason;
};

// A value that cannot be written or deleted stays as it was. The system registry refuses silently;
// a store in a file says which file could not be written, and why.
[[nodiscard]] std::optional<RegistryStoreFailure> SetDwordValue(RegistryKey& key, const std::string& name,
                                                                std::uint32_t value);
[[nodiscard]] std::optional<RegistryStoreFailure> DeleteValue(RegistryKey& key, const std::string& name);

} // namespace cssbinder
