#include "platform/registry/Registry.h"

#include <windows.h>

namespace cssbinder {

struct RegistryKey {
    HKEY handle;
};

OpenRegistryKey CreateMachineKey(const std::string& path) {
    HKEY handle = nullptr;
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, path.c_str(), &handle) != ERROR_SUCCESS) {
        return nullptr;
    }
    return OpenRegistryKey(new RegistryKey{handle});
}

OpenRegistryKey OpenMachineKeyForSetting(const std::string& path) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS) {
        return nullptr;
    }
    return OpenRegistryKey(new RegistryKey{handle});
}

std::optional<RegistryStoreFailure> SetDwordValue(RegistryKey& key, const std::string& name,
                                                  std::uint32_t value) {
    const DWORD data = value;
    RegSetValueExA(key.handle, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    return std::nullopt;
}

std::optional<RegistryStoreFailure> DeleteValue(RegistryKey& key, const std::string& name) {
    RegDeleteValueA(key.handle, name.c_str());
    return std::nullopt;
}

void RegistryKeyCloser::operator()(RegistryKey* key) const {
    RegCloseKey(key->handle);
    delete key;
}

} // namespace cssbinder
