#include "ui/app/CBinderDlg.h"

#include "core/binds/KeyCatalogue.h"
#include "core/document/ConfigFileBytes.h"
#include "core/document/GameFolder.h"
#include "core/document/OpenedConfig.h"
#include "core/gamma/GammaSetting.h"
#include "core/lang/MainWindowLabels.h"
#include "core/text/DialogNumber.h"
#include "platform/files/FileSystem.h"
#include "platform/files/RegularFiles.h"
#include "platform/files/SafeFile.h"
#include "platform/profile/Profile.h"
#include "platform/shell/SystemMenu.h"
#include "platform/steam/SteamGame.h"
#include "ui/app/BannerLink.h"
#include "ui/app/CAboutDlg.h"
#include "ui/app/ClickablePicture.h"
#include "ui/app/FileDialogs.h"
#include "ui/app/Globals.h"
#include "ui/app/MainDialogTemplate.h"
#include "ui/app/MessageBoxes.h"
#include "ui/app/QtText.h"
#include "ui/app/RadioGroup.h"
#include "ui/binds/SayField.h"
#include "ui/crosshair/CCrosshairPreview.h"
#include "ui/lang/CLanguage.h"
#include "ui/res/Pictures.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <array>

namespace cssbinder {
namespace {

constexpr unsigned kIdmAboutBox = 16;
constexpr unsigned kIdmGameFolder = 32;
constexpr unsigned kIdmOpen = 48;
constexpr char kAboutEntry[] = "&A propos de Tarvik...";
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

constexpr int kArmorGroup = 1017;
constexpr int kSayTargetGroup = 1030;
constexpr int kColorGroup = 1058;

char NativeSeparator() {
    return QDir::separator().toLatin1();
}

QString SaveDialogFolder() {
    return QString::fromStdString(SaveDialogStartFolder(
        g_gamePath.toStdString(), QDir::toNativeSeparators(QDir::homePath()).toStdString(), NativeSeparator(),
        IsExistingFolder));
}

// The file the configuration is saved to: by default the file last opened, else autoexec.cfg in the
// game's configuration folder.
QString AskConfigFilePath(QWidget* parent, const QString& openedPath) {
    const QFileInfo opened(openedPath);
    return AskForFile(
        parent, {.kind = FileRequest::Kind::SaveFile,
                 .folder = openedPath.isEmpty() ? SaveDialogFolder() : opened.path(),
                 .fileName = openedPath.isEmpty() ? QStringLiteral("autoexec.cfg") : opened.fileName(),
                 .defaultSuffix = QStringLiteral("cfg"),
                 .nameFilters = {QStringLiteral("Config Files (*.cfg)"), QStringLiteral("All Files (*.*)")}});
}

// The configuration file to open, looked for where saving starts.
QString AskOpenFilePath(QWidget* parent) {
    return AskForFile(
        parent, {.kind = FileRequest::Kind::OpenFile,
                 .folder = SaveDialogFolder(),
                 .nameFilters = {QStringLiteral("Config files (*.cfg)"), QStringLiteral("All files (*)")}});
}

} // namespace

CBinderDlg::CBinderDlg(QWidget* parent)
    : CDialog(parent, QStringLiteral("CS:Source Binds/Scripts/Optimization by Zelvar_Brask"),
              MainDialogControls(), kMainDialogWidth, kMainDialogHeight) {

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
    LimitSayField(*m_editSay);

    ConnectHandlers();
}

CBinderDlg::~CBinderDlg() = default;

void CBinderDlg::OnInitDialog() {
    LoadGameFolder();
    m_bAboutInContextMenu = !AppendToSystemMenu(*this, kIdmAboutBox, QString::fromUtf8(kAboutEntry));
    setWindowIcon(ProgramIcon());
    SetStartValues();

    m_pLanguage = std::make_unique<CLanguage>(this);
    m_nLanguage = French;
    ApplyLanguage();

    // Every box of the Advanced Parameters dialog opens checked.
    for (const GraphicsFlag& graphics : kGraphicsFlags) {
        this->*graphics.flag = 1;
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

void CBinderDlg::LoadGameFolder() {
    g_gamePath = ReadProfile(ProfileKey::GamePath);
    // A game moved or removed since it was chosen is asked for again, as on the first start.
    if (!HoldsGame(g_gamePath.toStdString(), NativeSeparator(), IsExistingFolder)) {
        g_gamePath.clear();
        // An answer that cannot be kept would be asked for again at every start: say why once instead.
        if (const QString refusal = ProfileWriteRefusal(); !refusal.isEmpty()) {
            ShowMessage(nullptr, CannotWriteText(ProfilePath(), refusal, English));
        } else {
            // The main window is not shown yet, so the question and the browser stand alone: over the
            // hidden window they would open where it was built, not in the middle of the screen.
            ShowMessage(nullptr, QString::fromUtf8(kGameFolderQuestion));
            // Where Steam installed the game, the user only has to confirm. The window opens in French.
            AskForGameFolder(nullptr, SteamGameFolder(), French);
        }
    }
}

void CBinderDlg::SetStartValues() {
    m_nArmor = 2;
    m_nSayTarget = 0;
    m_nColor = 0;
    m_crosshair = CrosshairState();
    ShowCrosshairState();
    m_nKeyCombo = 0;
}

void CBinderDlg::AskForGameFolder(QWidget* parent, const QString& startFolder, int language) {
    QString folder = startFolder;
    for (;;) {
        folder = QDir::toNativeSeparators(
            AskForFile(parent, {.kind = FileRequest::Kind::Folder, .folder = folder}));
        // A cancelled browser stores nothing, so the next start asks again.
        if (folder.isEmpty()) {
            return;
        }
        const std::optional<std::string> gameFolder =
            GameFolderForPick(folder.toStdString(), NativeSeparator(), IsExistingFolder);
        if (gameFolder) {
            g_gamePath = QString::fromStdString(*gameFolder);
            if (const QString failure = WriteProfile(ProfileKey::GamePath, g_gamePath); !failure.isEmpty()) {
                ShowMessage(parent, CannotWriteText(ProfilePath(), failure, language));
            }
            return;
        }
        ShowMessage(parent, ToQString(MessageText(Message::NotGameFolder, language)).arg(folder));
    }
}

void CBinderDlg::ApplyLanguage() {
    m_pLanguage->SetLanguage(m_nLanguage);
    PutInSystemMenu(*this, kIdmGameFolder, m_strGameFolderEntry);
    PutInSystemMenu(*this, kIdmOpen, m_strOpenEntry);
}

void CBinderDlg::ConnectHandlers() {
    connect(m_btnSave, &QPushButton::clicked, this, &CBinderDlg::OnSave);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this, &CBinderDlg::OnOpen);
    connect(ControlOf<QPushButton>(*this, 1022), &QPushButton::clicked, this,
            &CBinderDlg::OnAdvancedParameters);
    ConnectLanguageFlags();
    ConnectKeyLists();
    connect(m_btnAddBuy, &QPushButton::clicked, this, &CBinderDlg::OnAddBuyBind);
    connect(m_btnAddSay, &QPushButton::clicked, this, &CBinderDlg::OnAddSayBind);
    connect(m_btnAddQuick, &QPushButton::clicked, this, &CBinderDlg::OnAddQuickBind);
    connect(m_btnBindConsole, &QPushButton::clicked, this, &CBinderDlg::OnBindConsole);

    connect(&RadioGroupOf(*this, kColorGroup), &QButtonGroup::idClicked, this, &CBinderDlg::OnColor);
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

void CBinderDlg::ConnectLanguageFlags() {
    struct Flag {
        int controlId;
        Language language;
    };
    for (const Flag flag : {Flag{1113, English}, Flag{1109, French}, Flag{1110, German}, Flag{1111, Italian},
                            Flag{1112, Spanish}}) {
        connect(ControlOf<ClickablePicture>(*this, flag.controlId), &ClickablePicture::clicked, this,
                [this, flag] { OnFlag(flag.language); });
    }
}

void CBinderDlg::ConnectKeyLists() {
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
}

bool CBinderDlg::UpdateData(bool saveAndValidate) {
    if (!saveAndValidate) {
        for (const CheckValue& check : kCheckValues) {
            ControlOf<QCheckBox>(*this, check.controlId)->setChecked(this->*check.value != 0);
        }
        SetRadioIndex(RadioGroupOf(*this, kArmorGroup), m_nArmor);
        SetRadioIndex(RadioGroupOf(*this, kSayTargetGroup), m_nSayTarget);
        m_editGamma->setText(QString::fromStdString(FormatDialogFloat(m_fGamma)));
        SetRadioIndex(RadioGroupOf(*this, kColorGroup), m_nColor);
        return true;
    }

    for (const CheckValue& check : kCheckValues) {
        this->*check.value = ControlOf<QCheckBox>(*this, check.controlId)->isChecked() ? 1 : 0;
    }
    m_nArmor = RadioIndex(RadioGroupOf(*this, kArmorGroup));
    m_nSayTarget = RadioIndex(RadioGroupOf(*this, kSayTargetGroup));
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
    m_nColor = RadioIndex(RadioGroupOf(*this, kColorGroup));
    return true;
}

void CBinderDlg::RefreshPreview() {
    m_editPreview->setPlainText(QString::fromStdString(g_configEntries.Render()));
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
    menu.addAction(m_strGameFolderEntry, this, [this] { OnSysCommand(kIdmGameFolder); });
    menu.addAction(m_strOpenEntry, this, [this] { OnSysCommand(kIdmOpen); });
    menu.exec(event->globalPos());
}

bool CBinderDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    for (const unsigned commandId : {kIdmAboutBox, kIdmGameFolder, kIdmOpen}) {
        if (IsSystemMenuCommand(message, commandId)) {
            OnSysCommand(commandId);
            return true;
        }
    }
    return QDialog::nativeEvent(eventType, message, result);
}

void CBinderDlg::OnSysCommand(unsigned commandId) {
    if ((commandId & 0xFFF0) == kIdmAboutBox) {
        CAboutDlg about(this);
        about.exec();
    } else if ((commandId & 0xFFF0) == kIdmGameFolder) {
        AskForGameFolder(this, g_gamePath.isEmpty() ? SteamGameFolder() : g_gamePath, m_nLanguage);
    } else if ((commandId & 0xFFF0) == kIdmOpen) {
        OnOpen();
    }
}

void CBinderDlg::OnOK() {
    if (UpdateData(true) && MayQuit()) {
        accept();
    }
}

void CBinderDlg::reject() {
    if (MayQuit()) {
        QDialog::reject();
    }
}

bool CBinderDlg::MayQuit() {
    return m_editPreview->toPlainText() == m_strSavedText || AskOkCancel(this, m_strQuitUnsaved);
}

void CBinderDlg::OnOpen() {
    if (m_editPreview->toPlainText() != m_strSavedText && !AskOkCancel(this, m_strOpenUnsaved)) {
        return;
    }
    const QString path = AskOpenFilePath(this);
    if (path.isEmpty()) {
        return;
    }
    const FileRead file = ReadRegularFile(path.toStdString(), kOpenedConfigCap);
    if (!file) {
        ShowMessage(
            this, m_strCannotRead.arg(QDir::toNativeSeparators(path), QString::fromStdString(file.failure)));
        return;
    }
    g_configEntries = ReadConfigDocument(file.bytes);
    RefreshPreview();
    m_strSavedText = m_editPreview->toPlainText();
    m_strOpenedPath = path;
}

void CBinderDlg::OnFlag(int language) {
    m_nLanguage = language;
    ApplyLanguage();
}

void CBinderDlg::OnSave() {
    if (m_editPreview->toPlainText().isEmpty()) {
        ShowMessage(this, m_strNothingToSave);
        return;
    }
    const QString path = AskConfigFilePath(this, m_strOpenedPath);
    if (path.isEmpty()) {
        return;
    }
    const QString text = m_editPreview->toPlainText();
    const QByteArray bytes = QByteArray::fromStdString(ToConfigFileBytes(text.toStdString()));
    const auto saved = m_savedThisRun.constFind(path);
    const std::optional<WriteFailure> failure = ReplaceFileKeepingBackup(
        path, bytes, saved == m_savedThisRun.cend() ? std::nullopt : std::optional<QByteArray>(*saved));
    if (failure) {
        ShowMessage(this, m_strCannotWrite.arg(QDir::toNativeSeparators(failure->path), failure->reason));
        return;
    }
    m_savedThisRun.insert(path, bytes);
    m_strSavedText = text;
}

} // namespace cssbinder
