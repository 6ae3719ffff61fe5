#include "ui/app/CAboutDlg.h"

#include "ui/app/Credits.h"

#include <array>

namespace cssbinder {
namespace {

// Dialog template 100: 184 by 94 dialog units.
constexpr int kAboutWidth = 184;
constexpr int kAboutHeight = 94;
constexpr auto kAboutControls = std::to_array<ControlTemplate>({
    {-1, ControlKind::Picture, "", 11, 17, 20, 20, 128},
    {-1, ControlKind::Text, kAuthorCredit, 40, 34, 138, 18},
    {-1, ControlKind::Text, kLogoCredit, 40, 58, 138, 18},
    {1, ControlKind::DefaultPushButton, "OK", 127, 7, 50, 14},
});

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : CDialog(parent, QStringLiteral("A propos de Tarvik"), kAboutControls, kAboutWidth, kAboutHeight) {}

} // namespace cssbinder
