#pragma once

#include "core/gamma/GammaRamp.h"
#include "platform/gamma/GammaRecovery.h"
#include "ui/app/CDialog.h"

#include <QImage>

#include <vector>

class QLabel;

namespace cssbinder {

class CGammaSliderCtrl;
class PictureControl;

// A note about the recovery file in the language, with the file and the detail it names.
QString RecoveryNoteText(const RecoveryNote& note, int language);

// The gamma preview: four reference pictures and a slider that shows its gamma on the whole screen.
// OK hands the slider's position back in m_nPosition; every way out puts the screen's own ramp back.
class CGammaDlg : public CDialog {
    Q_OBJECT
public:
    // The language is that of the main window, for the note shown where the screen cannot change. The
    // dialog opens over its parent: a compositor places a window without one wherever it likes.
    CGammaDlg(int language, QWidget* parent);
    ~CGammaDlg() override;

    void accept() override;
    void reject() override;

    int m_nPosition = 0;

private:
    void OnInitDialog() override;
    // Attaches the slider to the dialog: its previews go to the pictures, and its session on the
    // screen starts.
    void DoDataExchange();
    void OnOK() override;
    void OnCancel() override;
    void ShowRampInPictures(const GammaRamp& ramp);

    struct PreviewPicture {
        PictureControl* control;
        QImage original;
    };
    std::vector<PreviewPicture> m_pictures;
    CGammaSliderCtrl* m_slider;
    QLabel* m_staticNote;
    int m_nLanguage;
};

} // namespace cssbinder
