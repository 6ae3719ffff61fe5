#include "platform/profile/Profile.h"

#include "platform/files/RegularFiles.h"
#include "platform/files/SafeFile.h"
#include "platform/profile/UserConfigFile.h"

#include <QMap>
#include <QSettings>

#include <algorithm>
#include <cctype>

namespace cssbinder {
namespace {

struct ProfileEntry {
    ProfileKey key;
    const char* section;
    const char* name;
    const char* defaultValue;
};

// The names are those the tool has always written, so that an old profile is read as it was.
constexpr ProfileEntry kProfileEntries[] = {
    {ProfileKey::GamePath, "zelvar_team_binder", "css_path", ""},
    // No default: the slider starts where the screen's own ramp is.
    {ProfileKey::GammaSliderPosition, "GammaSlider", "Settings", ""},
};

const ProfileEntry& EntryOf(ProfileKey key) {
    return *std::ranges::find(kProfileEntries, key, &ProfileEntry::key);
}

// The key as QSettings names it: section/name.
QString SettingsKey(ProfileKey key) {
    return QString::fromUtf8(EntryOf(key).section) + u'/' + QString::fromUtf8(EntryOf(key).name);
}

// QSettings reads the profile whole and waits on it: a pipe or a device in its place would hang or
// exhaust the tool, so it is only handed a regular file of a settings file's size (or none).
bool ProfileIsReadable() {
    const FileRead profile = ReadRegularFile(ProfilePath().toStdString(), kSettingsFileCap);
    return profile || profile.missing;
}

// A section or key name as QSettings reads it back: a slash as a backslash, any character but a
// letter, digit, _, - or . as %XX or %UXXXX.
QByteArray EscapedName(QStringView name) {
    QByteArray out;
    for (const QChar ch : name) {
        const char16_t code = ch.unicode();
        if (code == u'/') {
            out += '\\';
        } else if (code < 0x80 && (std::isalnum(code) || code == u'_' || code == u'-' || code == u'.')) {
            out += char(code);
        } else {
            out += QString::asprintf(code <= 0xFF ? "%%%02X" : "%%U%04X", unsigned(code)).toLatin1();
        }
    }
    return out;
}

// A text value as QSettings reads it back (UTF-8): control characters as \x escapes, and so the
// hexadecimal digits right after one, which would lengthen it; a backslash before " and \; a leading
// @ doubled, as it would announce a typed value; quotes around a text that ; , = or an edge space
// would cut.
QByteArray EscapedValue(const QString& value) {
    QByteArray text;
    bool afterHex = false;
    for (const char ch : value.toUtf8()) {
        const auto byte = static_cast<unsigned char>(ch);
        afterHex = byte < 0x20 || byte == 0x7F || (afterHex && std::isxdigit(byte));
        if (afterHex) {
            text += "\\x" + QByteArray::number(byte, 16);
            continue;
        }
        if (ch == '"' || ch == '\\') {
            text += '\\';
        }
        text += ch;
    }
    if (text.startsWith('@')) {
        text.prepend('@');
    }
    const bool quoted = text.contains(';') || text.contains(',') || text.contains('=') ||
                        text.startsWith(' ') || text.endsWith(' ');
    return quoted ? '"' + text + '"' : text;
}

// The whole profile with the value set, every other key kept as it was: a value QSettings reads as a
// list of texts is written back as one. QSettings writes keys without a section under [General].
QByteArray RenderedProfile(const QString& changedKey, const QString& changedValue) {
    QMap<QString, QByteArray> sections;
    const auto add = [&sections](const QString& key, const QStringList& items) {
        const qsizetype slash = key.indexOf(u'/');
        QByteArray& lines = sections[slash < 0 ? QStringLiteral("General") : key.left(slash)];
        lines += EscapedName(QStringView(key).mid(slash + 1)) + '=';
        for (qsizetype i = 0; i < items.size(); ++i) {
            lines += (i == 0 ? "" : ", ") + EscapedValue(items[i]);
        }
        lines += '\n';
    };
    if (ProfileIsReadable()) {
        const QSettings profile(ProfilePath(), QSettings::IniFormat);
        for (const QString& key : profile.allKeys()) {
            if (key != changedKey) {
                add(key, profile.value(key).toStringList());
            }
        }
    }
    add(changedKey, {changedValue});
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        out += (out.isEmpty() ? "[" : "\n[") + EscapedName(section.key()) + "]\n" + section.value();
    }
    return out;
}

} // namespace

QString ProfilePath() {
    return UserConfigFile(QStringLiteral("cssbinder.ini"));
}

QString ReadProfile(ProfileKey key) {
    const QString defaultValue = QString::fromUtf8(EntryOf(key).defaultValue);
    if (!ProfileIsReadable()) {
        return defaultValue;
    }
    return QSettings(ProfilePath(), QSettings::IniFormat).value(SettingsKey(key), defaultValue).toString();
}

std::optional<int> ReadProfileNumber(ProfileKey key) {
    bool isNumber = false;
    const int value = ReadProfile(key).toInt(&isNumber);
    return isNumber ? std::optional(value) : std::nullopt;
}

// QSettings writes the file itself through a buffered QSaveFile, which replaces the profile with a
// file cut short when the disk is full and still reports success; the profile is rendered here and
// written with the checked write instead.
QString WriteProfile(ProfileKey key, const QString& value) {
    MakeUserConfigFolder();
    return WriteFileSafely(ProfilePath(), RenderedProfile(SettingsKey(key), value));
}

QString WriteProfile(ProfileKey key, int value) {
    return WriteProfile(key, QString::number(value));
}

QString ProfileWriteRefusal() {
    MakeUserConfigFolder();
    return WriteRefusal(ProfilePath());
}

} // namespace cssbinder
