#pragma once

#include "core/advanced/ConnectionPresets.h"
#include "ui/app/CDialog.h"

#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace cssbinder {

class CBinderDlg;
struct GraphicsFlag;

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
    QPushButton* m_btnMenuBackground;
    QPushButton* m_btnReportBug;
    CBinderDlg* m_pMainDlg;

private:
    void OnInitDialog() override;
    void ConnectHandlers();
    void ApplyLanguageLabels();
    void AddToolTips();
    void OnOK() override;
    void OnGraphicsSwitch(const GraphicsFlag& box);
    void OnConnectionPreset(ConnectionPreset preset);
    void OnConnectionDefault();
    void OnDirectXLevel(int levelIndex);
    void OnDirectXDefault();
    void OnReportBug();
    void OnChangeMenuBackground();
};

} // namespace cssbinder
