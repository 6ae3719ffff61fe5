#include "MainWindowFixture.h"

#include "core/lang/Language.h"
#include "platform/Profile.h"
#include "ui/app/Globals.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QTest>

#include <array>

namespace cssbinder::test {

MainWindowFixture::MainWindowFixture() {
    qputenv("HOME", QFile::encodeName(HomeFolder()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("config"))));
    QDir(m_root.path()).mkpath(QStringLiteral("home"));
    QDir(m_root.path()).mkpath(QStringLiteral("game/cstrike/cfg"));
    g_configEntries = ConfigDocument();
    g_gamePath.clear();
}

QString MainWindowFixture::HomeFolder() const {
    return m_root.filePath(QStringLiteral("home"));
}

QString MainWindowFixture::GameFolder() const {
    return m_root.filePath(QStringLiteral("game"));
}

QString MainWindowFixture::ConfigFolder() const {
    return m_root.filePath(QStringLiteral("game/cstrike/cfg"));
}

QString MainWindowFixture::ProfileValue() const {
    return GetProfileString(QStringLiteral("zelvar_team_binder"), QStringLiteral("css_path"));
}

void MainWindowFixture::StoreGameFolder() const {
    WriteProfileString(QStringLiteral("zelvar_team_binder"), QStringLiteral("css_path"), GameFolder());
}

std::unique_ptr<CBinderDlg> MainWindowFixture::Open() const {
    auto window = std::make_unique<CBinderDlg>();
    window->show();
    return window;
}

std::unique_ptr<CBinderDlg> MainWindowFixture::OpenWithGameFolder() const {
    StoreGameFolder();
    return Open();
}

QString CaptionOf(const QWidget& dialog, int controlId) {
    const QWidget* control = ControlOf<QWidget>(dialog, controlId);
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->title();
    }
    return static_cast<const QAbstractButton*>(control)->text();
}

void Click(QWidget* control) {
    QVERIFY(control != nullptr);
    QTest::mouseClick(control, Qt::LeftButton);
}

void Pick(QComboBox* combo, int position) {
    combo->setCurrentIndex(position);
    emit combo->activated(position);
}

void ClickFlag(const CBinderDlg& window, int language) {
    constexpr std::array<int, 5> kFlags{1113, 1109, 1110, 1111, 1112};
    Click(ControlOf<QWidget>(window, kFlags.at(static_cast<std::size_t>(language))));
}

} // namespace cssbinder::test
