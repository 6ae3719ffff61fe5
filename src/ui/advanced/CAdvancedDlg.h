#pragma once

#include "core/advanced/ConnectionPresets.h"
#include "ui/app/CDialog.h"

#include <QString>

class QCheckBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace cssbinder {

class CBinderDlg;
struct GraphicsBox;

// The Advanced Parameters dialog: graphics switches, connection and DirectX presets, the menu
// background and the bug report link, with a live preview of the document. It keeps nothing between
// two openings: the graphics flags and the language are the main window's. Its start-up runs the
// first time it is shown.
class CAdvancedDlg : public CDialog {
    Q_OBJECT
public:
    explicit CAdvancedDlg(CBinderDlg* pParent);
    ~CAdvancedDlg() override;

    // Carries the radio indices and the box states (the main window's flags) between the controls
    // and the members.
    void UpdateData(bool saveAndValidate = true);
    // Shows the document in this dialog's preview box, then in the main window's.
    void RefreshPreview();

    QPlainTextEdit* m_editPreview;
    int m_nDirectXLevel = 4;
    int m_nConnection = 3;
    QCheckBox* m_chkRain;
    QCheckBox* m_chkShadows;
    QCheckBox* m_chkBlood;
    QCheckBox* m_chkC4DynLights;
    QCheckBox* m_chkTags;
    QCheckBox* m_chkBumpMapping;
    QCheckBox* m_chkDynLights;
    QCheckBox* m_chkMipmaps;
    QCheckBox* m_chkVertex;
    QCheckBox* m_chkFog;
    QCheckBox* m_chkEyesMovements;
    QPushButton* m_btnMenuBackground;
    QPushButton* m_btnReportBug;
    QGroupBox* m_grpConnection;
    QGroupBox* m_grpGraphics;
    CBinderDlg* m_pMainDlg;

private:
    void OnInitDialog() override;
    void ConnectHandlers();
    void ApplyLanguageLabels();
    void AddToolTips();
    void OnOK();
    void OnGraphicsSwitch(const GraphicsBox& box);
    void OnConnectionPreset(ConnectionPreset preset);
    void OnConnectionDefault();
    void OnDirectXLevel(int levelIndex);
    void OnDirectXDefault();
    void OnReportBug();
    void OnChangeMenuBackground();
};

} // namespace cssbinder
