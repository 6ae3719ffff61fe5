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
#include <QPlainTextEdit>
#include <QPushButton>

#include <string>

namespace cssbinder {

namespace {

constexpr int kConnectionGroup = 1087;
constexpr int kConnectionDefaultIndex = 3;
constexpr int kDirectXGroup = 1088;
constexpr int kDirectXDefaultIndex = 4;

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
    m_btnMenuBackground = ControlOf<QPushButton>(*this, 1092);
    m_btnReportBug = ControlOf<QPushButton>(*this, 1093);
    ControlOf<QPushButton>(*this, 1)->setDefault(true);

    ConnectHandlers();
}

CAdvancedDlg::~CAdvancedDlg() = default;

void CAdvancedDlg::ConnectHandlers() {
    for (const GraphicsFlag& box : kGraphicsFlags) {
        connect(ControlOf<QCheckBox>(*this, box.controlId), &QCheckBox::clicked, this,
                [this, &box] { OnGraphicsSwitch(box); });
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
        for (const GraphicsFlag& box : kGraphicsFlags) {
            ControlOf<QCheckBox>(*this, box.controlId)->setChecked(m_pMainDlg->*box.flag != 0);
        }
        return;
    }
    m_nDirectXLevel = RadioIndex(RadioGroupOf(*this, kDirectXGroup));
    m_nConnection = RadioIndex(RadioGroupOf(*this, kConnectionGroup));
    for (const GraphicsFlag& box : kGraphicsFlags) {
        m_pMainDlg->*box.flag = ControlOf<QCheckBox>(*this, box.controlId)->isChecked() ? 1 : 0;
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

void CAdvancedDlg::OnGraphicsSwitch(const GraphicsFlag& box) {
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
