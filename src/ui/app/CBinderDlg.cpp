#include "ui/app/CBinderDlg.h"

#include "core/binds/BindLine.h"
#include "core/binds/KeyCatalogue.h"
#include "core/document/ConfigFileBytes.h"
#include "core/gamma/GammaSetting.h"
#include "core/lang/MainWindowLabels.h"
#include "core/text/DialogNumber.h"
#include "platform/Profile.h"
#include "platform/SafeFile.h"
#include "platform/SteamGame.h"
#include "platform/SystemMenu.h"
#include "ui/app/BannerLink.h"
#include "ui/app/CAboutDlg.h"
#include "ui/app/ClickablePicture.h"
#include "ui/app/Globals.h"
#include "ui/app/MainDialogTemplate.h"
#include "ui/app/MessageBoxes.h"
#include "ui/app/RadioGroup.h"
#include "ui/crosshair/CCrosshairPreview.h"
#include "ui/lang/CLanguage.h"
#include "ui/res/Pictures.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <array>

namespace cssbinder {
namespace {

constexpr unsigned kIdmAboutBox = 16;
constexpr char kAboutEntry[] = "&A propos de Tarvik...";
constexpr char kProfileSection[] = "zelvar_team_binder";
constexpr char kGamePathKey[] = "css_path";
constexpr char kGameFolderQuestion[] = "Select the location of your \"counter-strike source\" folder";
constexpr char kGammaRangeMessage[] = "Please enter a number between 1 and 3.";

struct CheckValue {
    int controlId;
    int CBinderDlg::*value;
};

// The buy check boxes and the members their states are kept in, in exchange order.
constexpr std::array<CheckValue, 8> kCheckValues{{
    {1014, &CBinderDlg::m_bDefuser},
    {1010, &CBinderDlg::m_bFlashbang1},
    {1011, &CBinderDlg::m_bFlashbang2},
    {1002, &CBinderDlg::m_bHeGrenade},
    {1013, &CBinderDlg::m_bNightVision},
    {1016, &CBinderDlg::m_bPrimaryAmmo},
    {1015, &CBinderDlg::m_bSecondaryAmmo},
    {1012, &CBinderDlg::m_bSmokeGrenade},
}};

// The graphics flags, all set at start-up: every box of the Advanced Parameters dialog opens checked.
constexpr std::array<int CBinderDlg::*, 11> kGraphicsFlags{
    &CBinderDlg::m_bRain,      &CBinderDlg::m_bBlood,       &CBinderDlg::m_bBumpMapping,
    &CBinderDlg::m_bDynLights, &CBinderDlg::m_bC4DynLights, &CBinderDlg::m_bEyesMovements,
    &CBinderDlg::m_bFog,       &CBinderDlg::m_bMipmaps,     &CBinderDlg::m_bShadows,
    &CBinderDlg::m_bTags,      &CBinderDlg::m_bVertex};

constexpr int kArmorGroup = 1017;
constexpr int kSayTargetGroup = 1030;
constexpr int kColorGroup = 1058;

QString SaveDialogFolder() {
    return QString::fromStdString(GameConfigFolder(g_gamePath.toStdString(), QDir::separator().toLatin1()));
}

// The file the configuration is saved to, or an empty text when the user cancels.
QString AskConfigFilePath(QWidget* parent) {
    QFileDialog dialog(parent, QString(), SaveDialogFolder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QStringLiteral("cfg"));
    dialog.setNameFilters({QStringLiteral("Config Files (*.cfg)"), QStringLiteral("All Files (*.*)")});
    dialog.selectFile(QStringLiteral("autoexec.cfg"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

CBinderDlg::CBinderDlg(QWidget* parent)
    : CDialog(parent, QStringLiteral("CS:Source Binds/Scripts/Optimization by Zelvar_Brask"),
              MainDialogControls(), kMainDialogWidth, kMainDialogHeight) {

    m_btnExit = ControlOf<QPushButton>(*this, 1);
    m_btnSave = ControlOf<QPushButton>(*this, 1027);
    m_btnAddBuy = ControlOf<QPushButton>(*this, 1020);
    m_btnAddSay = ControlOf<QPushButton>(*this, 1032);
    m_btnAddQuick = ControlOf<QPushButton>(*this, 1033);
    m_btnBindConsole = ControlOf<QPushButton>(*this, 1034);
    m_btnSizePlus = ControlOf<QPushButton>(*this, 1062);
    m_btnSizeMinus = ControlOf<QPushButton>(*this, 1063);
    m_btnTransparencyPlus = ControlOf<QPushButton>(*this, 1064);
    m_btnTransparencyMinus = ControlOf<QPushButton>(*this, 1065);
    m_btnSetAlpha = ControlOf<QPushButton>(*this, 1070);
    m_btnUseColor = ControlOf<QPushButton>(*this, 1071);
    m_btnDynamic = ControlOf<QPushButton>(*this, 1072);
    m_btnCustomSize = ControlOf<QPushButton>(*this, 1073);
    m_btnSetGamma = ControlOf<QPushButton>(*this, 1035);
    m_btnPreview = ControlOf<QPushButton>(*this, 1040);
    m_staticBanner = ControlOf<ClickablePicture>(*this, 1061);
    m_staticPreview = ControlOf<CCrosshairPreview>(*this, 1055);
    m_editPreview = ControlOf<QPlainTextEdit>(*this, 1026);
    m_editSay = ControlOf<QLineEdit>(*this, 1029);
    m_editGamma = ControlOf<QLineEdit>(*this, 1036);
    m_cbLetters = ControlOf<QComboBox>(*this, 1004);
    m_cbNumbers = ControlOf<QComboBox>(*this, 1005);
    m_cbMiscKeys = ControlOf<QComboBox>(*this, 1006);
    m_cbKeyPad = ControlOf<QComboBox>(*this, 1007);
    m_cbFunctionKeys = ControlOf<QComboBox>(*this, 1008);
    m_cbMouseButtons = ControlOf<QComboBox>(*this, 1009);
    m_cbSecondary = ControlOf<QComboBox>(*this, 1000);
    m_cbPrimary1 = ControlOf<QComboBox>(*this, 1001);
    m_cbPrimary2 = ControlOf<QComboBox>(*this, 1003);
    m_cbQuickWeapon = ControlOf<QComboBox>(*this, 1021);
    m_editSay->setMaxLength(kSayTextLimit);

    ConnectHandlers();
}

CBinderDlg::~CBinderDlg() = default;

void CBinderDlg::OnInitDialog() {
    g_gamePath = GetProfileString(QString::fromUtf8(kProfileSection), QString::fromUtf8(kGamePathKey));
    if (g_gamePath.isEmpty()) {
        AskForGameFolder();
    }

    m_bAboutInContextMenu = !AppendToSystemMenu(*this, kIdmAboutBox, QString::fromUtf8(kAboutEntry));
    setWindowIcon(ProgramIcon());

    m_nArmor = 2;
    m_nSayTarget = 0;
    m_nColor = 0;

    m_crosshair = CrosshairState();
    ShowCrosshairState();
    m_nKeyCombo = 0;

    m_pLanguage = std::make_unique<CLanguage>(this);
    m_nLanguage = French;
    m_pLanguage->SetLanguage(m_nLanguage);

    for (int CBinderDlg::*flag : kGraphicsFlags) {
        this->*flag = 1;
    }
    UpdateData(false);

    MakeBannerLink(*m_staticBanner);
    // Only the banner changes the cursor: every other place of the window, the text fields
    // included, shows the arrow.
    for (QWidget* field :
         {static_cast<QWidget*>(m_editSay), static_cast<QWidget*>(m_editGamma), m_editPreview->viewport()}) {
        field->setCursor(Qt::ArrowCursor);
    }
    CentreOnScreen();
}

void CBinderDlg::AskForGameFolder() {
    ShowMessage(nullptr, QString::fromUtf8(kGameFolderQuestion));
    // Where Steam installed the game, the user only has to confirm.
    const QString folder = QFileDialog::getExistingDirectory(nullptr, QString(), SteamGameFolder());
    // A cancelled browser stores nothing, so the next start asks again.
    if (folder.isEmpty()) {
        return;
    }
    g_gamePath = QDir::toNativeSeparators(folder);
    WriteProfileString(QString::fromUtf8(kProfileSection), QString::fromUtf8(kGamePathKey), g_gamePath);
}

void CBinderDlg::ConnectHandlers() {
    connect(m_btnExit, &QPushButton::clicked, this, &CBinderDlg::OnOK);
    connect(m_btnSave, &QPushButton::clicked, this, &CBinderDlg::OnSave);
    connect(ControlOf<QPushButton>(*this, 1022), &QPushButton::clicked, this,
            &CBinderDlg::OnAdvancedParameters);

    struct Flag {
        int controlId;
        Language language;
    };
    for (const Flag flag : {Flag{1113, English}, Flag{1109, French}, Flag{1110, German}, Flag{1111, Italian},
                            Flag{1112, Spanish}}) {
        connect(ControlOf<ClickablePicture>(*this, flag.controlId), &ClickablePicture::clicked, this,
                [this, flag] { OnFlag(flag.language); });
    }

    struct KeyList {
        QComboBox* combo;
        int comboNumber;
    };
    for (const KeyList list :
         {KeyList{m_cbLetters, LettersCombo}, KeyList{m_cbNumbers, NumbersCombo},
          KeyList{m_cbFunctionKeys, FunctionKeysCombo}, KeyList{m_cbMiscKeys, MiscKeysCombo},
          KeyList{m_cbKeyPad, KeyPadCombo}, KeyList{m_cbMouseButtons, MouseButtonsCombo}}) {
        // Only a pick by the user chooses a key; filling and resetting the lists do not.
        connect(list.combo, &QComboBox::activated, this,
                [this, list] { OnSelchangeKeyCombo(list.comboNumber); });
    }
    connect(m_btnAddBuy, &QPushButton::clicked, this, &CBinderDlg::OnAddBuyBind);
    connect(m_btnAddSay, &QPushButton::clicked, this, &CBinderDlg::OnAddSayBind);
    connect(m_btnAddQuick, &QPushButton::clicked, this, &CBinderDlg::OnAddQuickBind);
    connect(m_btnBindConsole, &QPushButton::clicked, this, &CBinderDlg::OnBindConsole);

    connect(RadioGroupOf(kColorGroup), &QButtonGroup::idClicked, this, &CBinderDlg::OnColor);
    connect(m_btnUseColor, &QPushButton::clicked, this, &CBinderDlg::OnUseColor);
    connect(m_btnSizePlus, &QPushButton::clicked, this, [this] { OnStep(SizePlus); });
    connect(m_btnSizeMinus, &QPushButton::clicked, this, [this] { OnStep(SizeMinus); });
    connect(m_btnTransparencyPlus, &QPushButton::clicked, this, [this] { OnStep(TransparencyPlus); });
    connect(m_btnTransparencyMinus, &QPushButton::clicked, this, [this] { OnStep(TransparencyMinus); });
    connect(m_btnSetAlpha, &QPushButton::clicked, this, &CBinderDlg::OnSetAlpha);
    connect(m_btnDynamic, &QPushButton::clicked, this, &CBinderDlg::OnDynamic);
    connect(m_btnCustomSize, &QPushButton::clicked, this, &CBinderDlg::OnCustomSize);

    connect(m_btnSetGamma, &QPushButton::clicked, this, &CBinderDlg::OnSetGamma);
    connect(m_btnPreview, &QPushButton::clicked, this, &CBinderDlg::OnGammaPreview);
}

QButtonGroup* CBinderDlg::RadioGroupOf(int firstControlId) const {
    return ControlOf<QRadioButton>(*this, firstControlId)->group();
}

bool CBinderDlg::UpdateData(bool saveAndValidate) {
    if (!saveAndValidate) {
        for (const CheckValue& check : kCheckValues) {
            ControlOf<QCheckBox>(*this, check.controlId)->setChecked(this->*check.value != 0);
        }
        SetRadioIndex(*RadioGroupOf(kArmorGroup), m_nArmor);
        SetRadioIndex(*RadioGroupOf(kSayTargetGroup), m_nSayTarget);
        m_editGamma->setText(QString::fromStdString(FormatDialogFloat(m_fGamma)));
        SetRadioIndex(*RadioGroupOf(kColorGroup), m_nColor);
        return true;
    }

    for (const CheckValue& check : kCheckValues) {
        this->*check.value = ControlOf<QCheckBox>(*this, check.controlId)->isChecked() ? 1 : 0;
    }
    m_nArmor = RadioIndex(*RadioGroupOf(kArmorGroup));
    m_nSayTarget = RadioIndex(*RadioGroupOf(kSayTargetGroup));
    // A number out of range is taken before it is refused; a text that is no number keeps the old value.
    const std::optional<float> gamma = ParseDialogFloat(m_editGamma->text().toStdString());
    if (gamma) {
        m_fGamma = *gamma;
    }
    if (!gamma || !IsGammaInRange(m_fGamma)) {
        ShowMessage(this, QString::fromUtf8(kGammaRangeMessage));
        m_editGamma->setFocus();
        m_editGamma->selectAll();
        return false;
    }
    m_nColor = RadioIndex(*RadioGroupOf(kColorGroup));
    return true;
}

void CBinderDlg::RefreshPreview() {
    m_editPreview->setPlainText(QString::fromStdString(g_configEntries.Render()));
}

void CBinderDlg::RemoveSetting(const std::string& variable) {
    g_configEntries.RemoveSetting(variable);
}

void CBinderDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_bAboutInContextMenu) {
        QDialog::contextMenuEvent(event);
        return;
    }
    // Where the window has no system menu, its entry is offered here.
    QMenu menu(this);
    menu.setSeparatorsCollapsible(false);
    menu.addSeparator();
    menu.addAction(QString::fromUtf8(kAboutEntry), this, [this] { OnSysCommand(kIdmAboutBox); });
    menu.exec(event->globalPos());
}

bool CBinderDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (IsSystemMenuCommand(message, kIdmAboutBox)) {
        OnSysCommand(kIdmAboutBox);
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}

void CBinderDlg::OnSysCommand(unsigned commandId) {
    if ((commandId & 0xFFF0) == kIdmAboutBox) {
        CAboutDlg about(this);
        about.exec();
    }
}

void CBinderDlg::OnOK() {
    if (UpdateData(true)) {
        accept();
    }
}

void CBinderDlg::OnFlag(int language) {
    m_nLanguage = language;
    m_pLanguage->SetLanguage(language);
}

void CBinderDlg::OnSave() {
    if (m_editPreview->toPlainText().isEmpty()) {
        ShowMessage(this, m_strNothingToSave);
        return;
    }
    const QString path = AskConfigFilePath(this);
    if (path.isEmpty()) {
        return;
    }
    const QByteArray bytes =
        QByteArray::fromStdString(ToConfigFileBytes(m_editPreview->toPlainText().toStdString()));
    const auto saved = m_savedThisRun.constFind(path);
    const std::optional<WriteFailure> failure = ReplaceFileKeepingBackup(
        path, bytes, saved == m_savedThisRun.cend() ? std::nullopt : std::optional<QByteArray>(*saved));
    if (failure) {
        ShowMessage(this, m_strCannotWrite.arg(QDir::toNativeSeparators(failure->path), failure->reason));
        return;
    }
    m_savedThisRun.insert(path, bytes);
}

} // namespace cssbinder
