#include "ui/lang/CLanguage.h"

#include "core/lang/MainWindowLabels.h"
#include "ui/app/CBinderDlg.h"
#include "ui/app/DialogTemplate.h"
#include "ui/app/QtText.h"
#include "ui/binds/CComboFiller.h"

namespace cssbinder {
namespace {

QString MessageIn(Message message, int language) {
    return ToQString(MessageText(message, language));
}

} // namespace

CLanguage::CLanguage(CBinderDlg* pDlg) : m_pDlg(pDlg), m_pComboFiller(std::make_unique<CComboFiller>(pDlg)) {}

CLanguage::~CLanguage() = default;

void CLanguage::SetLanguage(int language) {
    ApplyLabels(language);
    const Language chosen = LanguageFromIndex(language);
    if (chosen == English || chosen == French) {
        m_pDlg->m_bFrench = chosen == French ? 1 : 0;
        m_pComboFiller->FillAll();
    }
}

void CLanguage::ApplyLabels(int language) {
    const CrosshairState& crosshair = m_pDlg->m_crosshair;
    for (const ControlCaption& caption :
         MainWindowCaptions(language, crosshair.m_bDynamic, crosshair.m_bUseAlpha)) {
        SetCaption(*ControlOf<QWidget>(*m_pDlg, caption.controlId), ToQString(caption.text));
    }
    m_pDlg->m_strNothingToAdd = MessageIn(Message::NothingToAdd, language);
    m_pDlg->m_strNothingToSay = MessageIn(Message::NothingToSay, language);
    m_pDlg->m_strSelectKey = MessageIn(Message::SelectKey, language);
    m_pDlg->m_strNothingToSave = MessageIn(Message::NothingToSave, language);
    m_pDlg->m_strCannotWrite = MessageIn(Message::CannotWrite, language);
    m_pDlg->m_strQuitUnsaved = MessageIn(Message::QuitUnsaved, language);
    m_pDlg->m_strCannotRead = MessageIn(Message::CannotRead, language);
    m_pDlg->m_strOpenUnsaved = MessageIn(Message::OpenUnsaved, language);
    m_pDlg->m_strGameFolderEntry = ToQString(GameFolderEntry(language));
    m_pDlg->m_strOpenEntry = ToQString(OpenEntry(language));
}

} // namespace cssbinder
