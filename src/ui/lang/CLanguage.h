#pragma once

#include <memory>

namespace cssbinder {

class CBinderDlg;
class CComboFiller;

// Writes the main window's captions and messages in one of the five languages. The lists of the
// bind form exist in English and French only: choosing one of those refills them in it, the
// other three languages leave them as they are.
class CLanguage {
public:
    explicit CLanguage(CBinderDlg* pDlg);
    ~CLanguage();

    // Any value outside the five languages is English. The caller keeps the current language.
    void SetLanguage(int language);

private:
    void ApplyLabels(int language);

    CBinderDlg* m_pDlg;
    std::unique_ptr<CComboFiller> m_pComboFiller;
};

} // namespace cssbinder
