#include "platform/profile/Profile.h"

#include "platform/files/RegularFiles.h"
#include "platform/files/SafeFile.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace cssbinder {
namespace {

QString ProfileKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

bool IsPlainKeyCharacter(char16_t ch) {
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') ||
           ch == u'_' || ch == u'-' || ch == u'.';
}

bool IsHexDigit(char16_t ch) {
    return (ch >= u'0' && ch <= u'9') || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
}

// Keys and values are escaped as QSettings reads them back.
void AppendKey(QByteArray& out, QStringView key) {
    for (const QChar ch : key) {
        const char16_t code = ch.unicode();
        if (code == u'/') {
            out += '\\';
        } else if (IsPlainKeyCharacter(code)) {
            out += char(code);
        } else if (code <= 0xFF) {
            out += '%' + QByteArray::number(code, 16).rightJustified(2, '0').toUpper();
        } else {
            out += "%U" + QByteArray::number(code, 16).rightJustified(4, '0').toUpper();
        }
    }
}

void AppendValue(QByteArray& out, const QString& value) {
    QByteArray text;
    bool hexBefore = false;
    for (const char ch : value.toUtf8()) {
        const auto byte = static_cast<unsigned char>(ch);
        // A hexadecimal escape goes on as long as hexadecimal digits follow it.
        if (byte < 0x20 || byte == 0x7F || (hexBefore && IsHexDigit(byte))) {
            text += "\\x" + QByteArray::number(byte, 16);
            hexBefore = true;
            continue;
        }
        hexBefore = false;
        if (ch == '"' || ch == '\\') {
            text += '\\';
        }
        text += ch;
    }
    // A leading @ would announce a typed value.
    if (text.startsWith('@')) {
        text.prepend('@');
    }
    const bool quoted = text.contains(';') || text.contains(',') || text.contains('=') ||
                        text.startsWith(' ') || text.endsWith(' ');
    out += quoted ? '"' + text + '"' : text;
}

// QSettings reads the profile whole and waits on it: a pipe or a device in its place would hang or
// exhaust the tool, so it is only handed a regular file of a settings file's size (or none).
bool ProfileIsReadable() {
    const FileRead profile = ReadRegularFile(ProfilePath().toStdString(), kSettingsFileCap);
    return profile || profile.missing;
}

// The whole profile with the value set, in the INI form QSettings reads: a value QSettings reads as
// a list of texts is written back as one.
QByteArray RenderedProfile(const QString& changedKey, const QString& changedValue) {
    std::optional<QSettings> profile;
    if (ProfileIsReadable()) {
        profile.emplace(ProfilePath(), QSettings::IniFormat);
    }
    QStringList keys = profile ? profile->allKeys() : QStringList();
    if (!keys.contains(changedKey)) {
        keys.append(changedKey);
    }
    QStringList sections;
    for (const QString& key : keys) {
        const QString section = key.contains(u'/') ? key.section(u'/', 0, 0) : QStringLiteral("General");
        if (!sections.contains(section)) {
            sections.append(section);
        }
    }
    QByteArray out;
    for (const QString& section : sections) {
        out += (out.isEmpty() ? "[" : "\n[");
        AppendKey(out, section);
        out += "]\n";
        for (const QString& key : keys) {
            const qsizetype slash = key.indexOf(u'/');
            if ((slash < 0 ? QStringLiteral("General") : key.left(slash)) != section) {
                continue;
            }
            AppendKey(out, QStringView(key).mid(slash + 1));
            out += '=';
            const QStringList items =
                key == changedKey ? QStringList{changedValue} : profile->value(key).toStringList();
            for (qsizetype i = 0; i < items.size(); ++i) {
                out += i == 0 ? "" : ", ";
                AppendValue(out, items[i]);
            }
            out += '\n';
        }
    }
    return out;
}

} // namespace

QString ProfilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/cssbinder.ini");
}

QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue) {
    if (!ProfileIsReadable()) {
        return defaultValue;
    }
    const QSettings profile(ProfilePath(), QSettings::IniFormat);
    return profile.value(ProfileKey(section, key), defaultValue).toString();
}

// QSettings writes the file itself through a buffered QSaveFile, which replaces the profile with a
// file cut short when the disk is full and still reports success; the profile is rendered here and
// written with the checked write instead.
QString WriteProfileString(const QString& section, const QString& key, const QString& value) {
    QDir().mkpath(QFileInfo(ProfilePath()).path());
    return WriteFileSafely(ProfilePath(), RenderedProfile(ProfileKey(section, key), value));
}

int GetProfileInt(const QString& section, const QString& key, int defaultValue) {
    bool isNumber = false;
    const int value = GetProfileString(section, key).toInt(&isNumber);
    return isNumber ? value : defaultValue;
}

QString WriteProfileInt(const QString& section, const QString& key, int value) {
    return WriteProfileString(section, key, QString::number(value));
}

QString ProfileWriteRefusal() {
    QDir().mkpath(QFileInfo(ProfilePath()).path());
    return WriteRefusal(ProfilePath());
}

} // namespace cssbinder
