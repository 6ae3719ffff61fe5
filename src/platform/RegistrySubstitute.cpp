// Where there is no system registry, the registry's values go to an INI file of our own in the
// per-user configuration folder. Nothing in the system changes.
#include "platform/Registry.h"

#include "core/advanced/SubstituteRegistry.h"
#include "platform/SafeFile.h"
#include "platform/files/RegularFiles.h"

#include <QDir>
#include <QStandardPaths>

namespace cssbinder {

struct RegistryKey {
    std::string path;
};

namespace {

QString StorePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/cssbinder-registry.ini");
}

SubstituteRegistry Load() {
    const FileRead file = ReadRegularFile(StorePath().toStdString(), kSettingsFileCap);
    return file ? SubstituteRegistry::Parse(file.bytes) : SubstituteRegistry();
}

bool Save(const SubstituteRegistry& registry) {
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return WriteFileSafely(StorePath(), QByteArray::fromStdString(registry.Render())).isEmpty();
}

} // namespace

RegistryKey* CreateMachineKey(const std::string& path) {
    SubstituteRegistry registry = Load();
    if (!registry.HasKey(path)) {
        registry.CreateKey(path);
        if (!Save(registry)) {
            return nullptr;
        }
    }
    return new RegistryKey{path};
}

RegistryKey* OpenMachineKeyForSetting(const std::string& path) {
    return Load().HasKey(path) ? new RegistryKey{path} : nullptr;
}

void SetDwordValue(RegistryKey& key, const std::string& name, std::uint32_t value) {
    SubstituteRegistry registry = Load();
    registry.SetValue(key.path, name, value);
    Save(registry);
}

void DeleteValue(RegistryKey& key, const std::string& name) {
    SubstituteRegistry registry = Load();
    registry.DeleteValue(key.path, name);
    Save(registry);
}

void CloseKey(RegistryKey* key) {
    delete key;
}

} // namespace cssbinder
