// Where there is no system registry, the registry's values go to an INI file of our own in the
// per-user configuration folder. Nothing in the system changes.
#include "platform/registry/Registry.h"

#include "core/advanced/SubstituteRegistry.h"
#include "platform/files/RegularFiles.h"
#include "platform/files/SafeFile.h"
#include "platform/profile/UserConfigFile.h"

namespace cssbinder {

struct RegistryKey {
    std::string path;
};

namespace {

QString StorePath() {
    return UserConfigFile(QStringLiteral("cssbinder-registry.ini"));
}

SubstituteRegistry Load() {
    const FileRead file = ReadRegularFile(StorePath().toStdString(), kSettingsFileCap);
    return file ? SubstituteRegistry::Parse(file.bytes) : SubstituteRegistry();
}

std::optional<RegistryStoreFailure> Save(const SubstituteRegistry& registry) {
    MakeUserConfigFolder();
    const QString reason = WriteFileSafely(StorePath(), QByteArray::fromStdString(registry.Render()));
    if (reason.isEmpty()) {
        return std::nullopt;
    }
    return RegistryStoreFailure{StorePath().toStdString(), reason.toStdString()};
}

} // namespace

// The key is stored with its first value, so that a store that cannot be written is said by the
// write that would have changed it.
OpenRegistryKey CreateMachineKey(const std::string& path) {
    return OpenRegistryKey(new RegistryKey{path});
}

OpenRegistryKey OpenMachineKeyForSetting(const std::string& path) {
    return Load().HasKey(path) ? CreateMachineKey(path) : nullptr;
}

std::optional<RegistryStoreFailure> SetDwordValue(RegistryKey& key, const std::string& name,
                                                  std::uint32_t value) {
    SubstituteRegistry registry = Load();
    registry.SetValue(key.path, name, value);
    return Save(registry);
}

std::optional<RegistryStoreFailure> DeleteValue(RegistryKey& key, const std::string& name) {
    SubstituteRegistry registry = Load();
    registry.DeleteValue(key.path, name);
    return Save(registry);
}

void RegistryKeyCloser::operator()(RegistryKey* key) const {
    delete key;
}

} // namespace cssbinder
