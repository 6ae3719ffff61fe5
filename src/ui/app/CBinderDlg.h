#pragma once

#include "core/crosshair/CrosshairState.h"
#include "ui/app/CDialog.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace cssbinder {

class CLanguage;
class CCrosshairPreview;
class ClickablePicture;

// The main window: every control the user works with and the state that outlives the other dialogs.
// Its start-up runs the first time it is shown, before it becomes visible.
class CBinderDlg : public CDialog {
    Q_OBJECT
public:
    explicit CBinderDlg(QWidget* parent = nullptr);
    ~CBinderDlg() override;

    // Carries the exchanged values between the controls and the members. Reading stops at the gamma
    // field when it does not hold a number from 1 to 3: the user is told, the focus goes there and
    // the result is false.
    bool UpdateData(bool saveAndValidate = true);
    // Shows the configuration document in the preview box, discarding whatever was typed there.
    void RefreshPreview();
    // Escape and the close box: the window closes unless unsaved work makes the user stay.
    void reject() override;

    // Controls, by their roles.
    QPushButton* m_btnSave;
    QPushButton* m_btnAddBuy;
    QPushButton* m_btnAddSay;
    QPushButton* m_btnAddQuick;
    QPushButton* m_btnBindConsole;
    QPushButton* m_btnSizePlus;
    QPushButton* m_btnSizeMinus;
    QPushButton* m_btnTransparencyPlus;
    QPushButton* m_btnTransparencyMinus;
    QPushButton* m_btnSetAlpha;
    QPushButton* m_btnUseColor;
    QPushButton* m_btnDynamic;
    QPushButton* m_btnCustomSize;
    QPushButton* m_btnSetGamma;
    QPushButton* m_btnPreview;
    ClickablePicture* m_staticBanner;
    CCrosshairPreview* m_staticPreview;
    QPlainTextEdit* m_editPreview;
    QLineEdit* m_editSay;
    QLineEdit* m_editGamma;
    QComboBox* m_cbLetters;
    QComboBox* m_cbNumbers;
    QComboBox* m_cbFunctionKeys;
    QComboBox* m_cbMiscKeys;
    QComboBox* m_cbKeyPad;
    QComboBox* m_cbMouseButtons;
    QComboBox* m_cbSecondary;
    QComboBox* m_cbPrimary1;
    QComboBox* m_cbPrimary2;
    QComboBox* m_cbQuickWeapon;

    // Exchanged values: the eight buy check states, the three radio groups and the gamma value.
    int m_bDefuser = 0;
    int m_bFlashbang1 = 0;
    int m_bFlashbang2 = 0;
    int m_bHeGrenade = 0;
    int m_bNightVision = 0;
    int m_bPrimaryAmmo = 0;
    int m_bSecondaryAmmo = 0;
    int m_bSmokeGrenade = 0;
    int m_nArmor = -1;
    int m_nSayTarget = -1;
    float m_fGamma = 2.2f;
    int m_nColor = -1;

    // Which key list holds the key of the next bind: 0 none, 1 to 6 the list of that number.
    int m_nKeyCombo = 0;

    // The messages of the current language.
    QString m_strNothingToAdd;
    QString m_strNothingToSay;
    QString m_strSelectKey;
    QString m_strNothingToSave;
    QString m_strCannotWrite;
    QString m_strQuitUnsaved;
    QString m_strCannotRead;
    QString m_strOpenUnsaved;
    QString m_strGameFolderEntry;
    QString m_strOpenEntry;

    // 1 while the lists are the French ones, 0 while they are the English ones.
    int m_bFrench = 0;
    int m_nLanguage = 0;

    // The graphics flags of the Advanced Parameters dialog: 1 while a box is checked (the game's own
    // settings apply), 0 while its override lines are in the document. kGraphicsFlags below lists them.
    int m_bRain = 0;
    int m_bBlood = 0;
    int m_bBumpMapping = 0;
    int m_bDynLights = 0;
    int m_bC4DynLights = 0;
    int m_bEyesMovements = 0;
    int m_bFog = 0;
    int m_bMipmaps = 0;
    int m_bShadows = 0;
    int m_bTags = 0;
    int m_bVertex = 0;

    CrosshairState m_crosshair;
    std::unique_ptr<CLanguage> m_pLanguage;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void OnInitDialog() override;
    // The game folder kept in the profile; where it no longer holds the game, the user is asked again.
    void LoadGameFolder();
    // The bind form, the crosshair and the key choice as every run starts them.
    void SetStartValues();
    // Asks for the game folder until the user picks one that holds the game or cancels; the answer
    // is kept in the profile. The refusal of a wrong folder is said in the language given.
    void AskForGameFolder(QWidget* parent, const QString& startFolder, int language);
    void ApplyLanguage();
    void ConnectHandlers();
    void ConnectLanguageFlags();
    void ConnectKeyLists();
    void OnSysCommand(unsigned commandId);
    void OnSave();
    // Replaces the document with a configuration file the user picks, after asking when the preview
    // box holds unsaved text.
    void OnOpen();
    void OnOK() override;
    // Whether the window may close: the preview box holds nothing unsaved, or the user quits anyway.
    bool MayQuit();
    void OnFlag(int language);

    void OnAdvancedParameters();

    // Key binds.
    void OnSelchangeKeyCombo(int comboNumber);
    void ResetOtherKeyCombos();
    QComboBox* KeyComboOf(int comboNumber) const;
    // Pulls the whole form once more (a gamma out of range is said again), then gives the chosen key's
    // game name; with no key chosen it says so and gives an empty name.
    std::string GetSelectedKey();
    // The game name of the key the key lists show as chosen, if any.
    std::optional<std::string> ChosenKey() const;
    void StoreBind(const std::string& key, const std::string& line);
    void ResetBindForm();
    void OnAddBuyBind();
    void OnAddSayBind();
    void OnAddQuickBind();
    void OnBindConsole();

    // Crosshair.
    void OnColor(int colorIndex);
    void OnUseColor();
    void OnStep(bool (*step)(CrosshairState&));
    void OnSetAlpha();
    void OnDynamic();
    void OnCustomSize();
    void AfterCrosshairModeChange();
    void ShowCrosshairState();

    // Gamma.
    void OnSetGamma();
    void OnGammaPreview();

    // What this run saved last, by file, so that saving again keeps the file's older backup.
    QHash<QString, QByteArray> m_savedThisRun;
    // The preview box's text that quitting does not lose: the text last saved, or the one the window
    // started from.
    QString m_strSavedText;
    // The file last opened, where Save offers to write; empty before any.
    QString m_strOpenedPath;
    bool m_bAboutInContextMenu = false;
};

// A graphics check box of the Advanced Parameters dialog and the main window's flag behind it, in the
// order the flags are exchanged.
struct GraphicsFlag {
    int controlId;
    int CBinderDlg::*flag;
};
inline constexpr std::array<GraphicsFlag, 11> kGraphicsFlags{{
    {1073, &CBinderDlg::m_bRain},
    {1075, &CBinderDlg::m_bBlood},
    {1077, &CBinderDlg::m_bBumpMapping},
    {1079, &CBinderDlg::m_bDynLights},
    {1080, &CBinderDlg::m_bC4DynLights},
    {1082, &CBinderDlg::m_bEyesMovements},
    {1084, &CBinderDlg::m_bFog},
    {1081, &CBinderDlg::m_bMipmaps},
    {1074, &CBinderDlg::m_bShadows},
    {1076, &CBinderDlg::m_bTags},
    {1083, &CBinderDlg::m_bVertex},
}};

} // namespace cssbinder
