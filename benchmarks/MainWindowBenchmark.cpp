// What the user waits for in the window: the start-up of the main window, a language change (which
// refills the ten lists for English and French), a bind click and a crosshair step with its repaint;
// in the Advanced Parameters dialog its opening, a graphics box click (both preview boxes refreshed)
// and a connection preset (ten lines and three values in the registry's substitute store); the gamma
// dialog's opening. The three openings are meant to take about as long as each other.
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/CBinderDlg.h"
#include "ui/app/Globals.h"
#include "ui/gamma/CGammaDlg.h"

#include "core/lang/Language.h"
#include "platform/profile/Profile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace cssbinder {
namespace {

// Only the opening and first paint are timed: a closing gamma dialog writes the profile, which
// waits for the disk.
template <typename MakeWindow> void TimeOpening(benchmark::State& state, MakeWindow makeWindow) {
    for (auto _ : state) {
        auto window = makeWindow();
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void OpenMainWindow(benchmark::State& state) {
    TimeOpening(state, [] { return std::make_unique<CBinderDlg>(); });
}
BENCHMARK(OpenMainWindow)->Unit(benchmark::kMillisecond);

void ChangeLanguage(benchmark::State& state) {
    CBinderDlg window;
    window.show();
    // English refills the lists, German only relabels.
    const int language = static_cast<int>(state.range(0));
    QWidget* flags[] = {window.findChild<QWidget*>(QStringLiteral("1113")),
                        window.findChild<QWidget*>(QStringLiteral("1110"))};
    for (auto _ : state) {
        QMetaObject::invokeMethod(flags[language == 0 ? 0 : 1], "clicked");
        QApplication::processEvents();
    }
}
BENCHMARK(ChangeLanguage)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

void AddSayBind(benchmark::State& state) {
    CBinderDlg window;
    window.show();
    window.m_editSay->setText(QStringLiteral("gg all"));
    for (auto _ : state) {
        window.m_cbLetters->setCurrentIndex(7);
        emit window.m_cbLetters->activated(7);
        window.m_btnAddSay->click();
        g_configEntries = ConfigDocument();
    }
}
BENCHMARK(AddSayBind)->Unit(benchmark::kMicrosecond);

// A size step and the preview drawn again, rendered into an image as the screen would show it.
void CrosshairSizeStep(benchmark::State& state) {
    CBinderDlg window;
    window.show();
    QWidget* preview = window.findChild<QWidget*>(QStringLiteral("1055"));
    bool larger = true;
    for (auto _ : state) {
        (larger ? window.m_btnSizePlus : window.m_btnSizeMinus)->click();
        benchmark::DoNotOptimize(preview->grab());
        larger = !larger;
    }
}
BENCHMARK(CrosshairSizeStep)->Unit(benchmark::kMicrosecond);

void OpenAdvancedDialog(benchmark::State& state) {
    CBinderDlg window;
    window.show();
    TimeOpening(state, [&window] { return std::make_unique<CAdvancedDlg>(&window); });
}
BENCHMARK(OpenAdvancedDialog)->Unit(benchmark::kMillisecond);

// Each round unchecks the box (eleven lines stored) or checks it (the lines removed).
void GraphicsBoxClick(benchmark::State& state) {
    CBinderDlg window;
    window.show();
    CAdvancedDlg dialog(&window);
    dialog.show();
    QAbstractButton* rain = dialog.findChild<QAbstractButton*>(QStringLiteral("1073"));
    for (auto _ : state) {
        rain->click();
    }
    g_configEntries = ConfigDocument();
}
BENCHMARK(GraphicsBoxClick)->Unit(benchmark::kMicrosecond);

void ConnectionPreset(benchmark::State& state) {
    CBinderDlg window;
    window.show();
    CAdvancedDlg dialog(&window);
    dialog.show();
    QAbstractButton* lan = dialog.findChild<QAbstractButton*>(QStringLiteral("1086"));
    for (auto _ : state) {
        lan->click();
    }
    g_configEntries = ConfigDocument();
}
BENCHMARK(ConnectionPreset)->Unit(benchmark::kMicrosecond);

void OpenGammaDialog(benchmark::State& state) {
    CBinderDlg window;
    TimeOpening(state, [&window] { return std::make_unique<CGammaDlg>(French, &window); });
}
BENCHMARK(OpenGammaDialog)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace cssbinder

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir profile;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(profile.path()));
    QApplication application(argc, argv);
    // A game folder holds cstrike; the window asks for another one otherwise.
    QDir(profile.path()).mkdir(QStringLiteral("cstrike"));
    if (!cssbinder::WriteProfile(cssbinder::ProfileKey::GamePath, profile.path()).isEmpty()) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
