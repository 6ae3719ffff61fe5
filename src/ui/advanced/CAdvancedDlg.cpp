#include "ui/advanced/CAdvancedDlg.h"

#include "core/advanced/AdvancedDialogLabels.h"
#include "core/advanced/GraphicsSwitches.h"
#include "platform/registry/Registry.h"
#include "platform/shell/Shell.h"
#include "ui/advanced/AdvancedDialogTemplate.h"
#include "ui/app/BannerLink.h"
#include "ui/app/CBinderDlg.h"
#include "ui/app/ClickablePicture.h"
#include "ui/app/Credits.h"
#include "ui/app/Globals.h"
#include "ui/app/MessageBoxes.h"
#include "ui/app/QtText.h"
#include "ui/app/RadioGroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <string>

namespace cssbinder {

// A graphics check box, the member that holds it and the main window's flag behind it.
struct GraphicsBox {
    int controlId;
    QCheckBox* CAdvancedDlg::*box;
    int CBinderDlg::*flag;
};

namespace {

// In the order the flags are exchanged.
constexpr std::array<GraphicsBox, 11> kGraphicsBoxes{{
    {1073, &CAdvancedDlg::m_chkRain, &CBinderDlg::m_bRain},
    {1075, &CAdvancedDlg::m_chkBlood, &CBinderDlg::m_bBlood},
    {1077, &CAdvancedDlg::m_chkBumpMapping, &CBinderDlg::m_bBumpMapping},
    {1079, &CAdvancedDlg::m_chkDynLights, &CBinderDlg::m_bDynLights},
    {1080, &CAdvancedDlg::m_chkC4DynLights, &CBinderDlg::m_bC4DynLights},
    {1082, &CAdvancedDlg::m_chkEyesMovements, &CBinderDlg::m_bEyesMovements},
    {1084, &CAdvancedDlg::m_chkFog, &CBinderDlg::m_bFog},
    {1081, &CAdvancedDlg::m_chkMipmaps, &CBinderDlg::m_bMipmaps},
    {1074, &CAdvancedDlg::m_chkShadows, &CBinderDlg::m_bShadows},
    {1076, &CAdvancedDlg::m_chkTags, &CBinderDlg::m_bTags},
    {1083, &CAdvancedDlg::m_chkVertex, &CBinderDlg::m_bVertex},
}};

constexpr int kConnectionGroup = 1087;
constexpr int kConnectionDefaultIndex = 3;
constexpr int kDirectXGroup = 1088;
constexpr int kDirectXDefaultIndex = 4;

QButtonGroup& RadioGroupOf(const QWidget& dialog, int firstControlId) {
    return *ControlOf<QRadioButton>(dialog, firstControlId)->group();
}

// Opens the key, creating it when missing, and writes the value; a key that cannot be opened (no
// administrator rights) leaves the value as it was, and nothing is said.
std::optional<RegistryStoreFailure> WriteTcpipDword(const std::string& keyPath, const std::string& name,
                                                    std::uint32_t value) {
    const OpenRegistryKey key = CreateMachineKey(keyPath);
    return key ? SetDwordValue(*key, name, value) : std::nullopt;
}

void ShowStoreFailure(QWidget* parent, const RegistryStoreFailure& failure, int language) {
    ShowMessage(parent, CannotWriteText(ToQString(failure.file), ToQString(failure.reason), language));
}

} // namespace

CAdvancedDlg::CAdvancedDlg(CBinderDlg* pParent)
    : CDialog(pParent, QStringLiteral("Advanced Parameters"), AdvancedDialogControls(), kAdvancedDialogWidth,
              kAdvancedDialogHeight),
      m_pMainDlg(pParent) {

    m_editPreview = ControlOf<QPlainTextEdit>(*this, 1026);
    for (const GraphicsBox& box : kGraphicsBoxes) {
        this->*box.box = ControlOf<QCheckBox>(*this, box.controlId);
    }
    m_btnMenuBackground = ControlOf<QPushButton>(*this, 1092);
    m_btnReportBug = ControlOf<QPushButton>(*this, 1093);
    m_grpConnection = ControlOf<QGroupBox>(*this, 1108);
    m_grpGraphics = ControlOf<QGroupBox>(*this, 1107);
    ControlOf<QPushButton>(*this, 1)->setDefault(true);

    ConnectHandlers();
}

CAdvancedDlg::~CAdvancedDlg() = default;

void CAdvancedDlg::ConnectHandlers() {
    connect(ControlOf<QPushButton>(*this, 1), &QPushButton::clicked, this, &CAdvancedDlg::OnOK);
    for (const GraphicsBox& box : kGraphicsBoxes) {
        connect(this->*box.box, &QCheckBox::clicked, this, [this, &box] { OnGraphicsSwitch(box); });
    }
    connect(&RadioGroupOf(*this, kConnectionGroup), &QButtonGroup::idClicked, this, [this](int index) {
        if (index == kConnectionDefaultIndex) {
            OnConnectionDefault();
        } else {
            OnConnectionPreset(static_cast<ConnectionPreset>(index));
        }
    });
    connect(&RadioGroupOf(*this, kDirectXGroup), &QButtonGroup::idClicked, this, [this](int index) {
        if (index == kDirectXDefaultIndex) {
            OnDirectXDefault();
        } else {
            OnDirectXLevel(index);
        }
    });
    connect(m_btnReportBug, &QPushButton::clicked, this, &CAdvancedDlg::OnReportBug);
    connect(m_btnMenuBackground, &QPushButton::clicked, this, &CAdvancedDlg::OnChangeMenuBackground);
}

void CAdvancedDlg::OnInitDialog() {
    UpdateData(false);
    ApplyLanguageLabels();
    RefreshPreview();
    AddToolTips();
    MakeBannerLink(*ControlOf<ClickablePicture>(*this, 1061));
    // Only the banner changes the cursor, the preview box included.
    m_editPreview->viewport()->setCursor(Qt::ArrowCursor);
}

void CAdvancedDlg::UpdateData(bool saveAndValidate) {
    if (!saveAndValidate) {
        SetRadioIndex(RadioGroupOf(*this, kDirectXGroup), m_nDirectXLevel);
        SetRadioIndex(RadioGroupOf(*this, kConnectionGroup), m_nConnection);
        for (const GraphicsBox& box : kGraphicsBoxes) {
            (this->*box.box)->setChecked(m_pMainDlg->*box.flag != 0);
        }
        return;
    }
    m_nDirectXLevel = RadioIndex(RadioGroupOf(*this, kDirectXGroup));
    m_nConnection = RadioIndex(RadioGroupOf(*this, kConnectionGroup));
    for (const GraphicsBox& box : kGraphicsBoxes) {
        m_pMainDlg->*box.flag = (this->*box.box)->isChecked() ? 1 : 0;
    }
}

void CAdvancedDlg::RefreshPreview() {
    m_editPreview->setPlainText(ToQString(g_configEntries.Render()));
    m_pMainDlg->RefreshPreview();
}

void CAdvancedDlg::ApplyLanguageLabels() {
    for (const ControlCaption& caption : AdvancedDialogCaptions(m_pMainDlg->m_nLanguage)) {
        SetCaption(*ControlOf<QWidget>(*this, caption.controlId), ToQString(caption.text));
    }
}

void CAdvancedDlg::AddToolTips() {
    for (const ControlCaption& toolTip : AdvancedDialogToolTips(m_pMainDlg->m_nLanguage)) {
        ControlOf<QWidget>(*this, toolTip.controlId)->setToolTip(ToQString(toolTip.text));
    }
}

void CAdvancedDlg::OnOK() {
    UpdateData(true);
    accept();
}

void CAdvancedDlg::OnGraphicsSwitch(const GraphicsBox& box) {
    UpdateData(true);
    ApplyGraphicsSwitch(g_configEntries, GraphicsSwitchOf(box.controlId), m_pMainDlg->*box.flag != 0);
    RefreshPreview();
}

void CAdvancedDlg::OnConnectionPreset(ConnectionPreset preset) {
    ApplyConnectionPreset(g_configEntries, preset);
    RefreshPreview();
    for (const TcpipValue& value : TcpipValuesOf(preset)) {
        if (const auto failure =
                WriteTcpipDword(std::string(kTcpipKeyPath), std::string(value.name), value.value)) {
            ShowStoreFailure(this, *failure, m_pMainDlg->m_nLanguage);
            return;
        }
    }
}

void CAdvancedDlg::OnConnectionDefault() {
    RemoveConnectionSettings(g_configEntries);
    RefreshPreview();
    // The key is not created when missing: then there is nothing to delete.
    if (const OpenRegistryKey key = OpenMachineKeyForSetting(std::string(kTcpipKeyPath))) {
        std::optional<RegistryStoreFailure> failure;
        for (const std::string_view name : kTcpipValueNames) {
            failure = DeleteValue(*key, std::string(name));
            if (failure) {
                break;
            }
        }
        if (failure) {
            ShowStoreFailure(this, *failure, m_pMainDlg->m_nLanguage);
        }
    }
}

void CAdvancedDlg::OnDirectXLevel(int levelIndex) {
    ApplyDirectXLevel(g_configEntries, levelIndex);
    RefreshPreview();
}

void CAdvancedDlg::OnDirectXDefault() {
    RemoveDirectXLevel(g_configEntries);
    RefreshPreview();
}

void CAdvancedDlg::OnReportBug() {
    OpenLink(QString::fromUtf8(kReportBugLink));
}

} // namespace cssbinder
