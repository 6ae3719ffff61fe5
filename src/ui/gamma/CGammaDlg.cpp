#include "ui/gamma/CGammaDlg.h"

#include "core/lang/GammaDialogLabels.h"
#include "ui/app/Globals.h"
#include "ui/app/PictureControl.h"
#include "ui/app/QtText.h"
#include "ui/gamma/CGammaSliderCtrl.h"
#include "ui/gamma/GammaDialogTemplate.h"

#include <QDir>
#include <QLabel>

namespace cssbinder {

QString RecoveryNoteText(const RecoveryNote& note, int language) {
    const QString text = ToQString(GammaNoteText(note.note, language));
    const QString path = QDir::toNativeSeparators(note.path);
    return note.detail.isEmpty() ? text.arg(path) : text.arg(path, note.detail);
}

CGammaDlg::CGammaDlg(int language, QWidget* parent)
    : CDialog(parent, QStringLiteral("Gamma"), GammaDialogControls(), kGammaDialogWidth, kGammaDialogHeight),
      m_nLanguage(language) {

    m_slider = ControlOf<CGammaSliderCtrl>(*this, 1069);
    m_staticNote = ControlOf<QLabel>(*this, kGammaNoteId);
    m_staticNote->hide();
    for (PictureControl* picture : findChildren<PictureControl*>(QStringLiteral("-1"))) {
        m_pictures.push_back({picture, picture->Image()});
    }
}

CGammaDlg::~CGammaDlg() = default;

void CGammaDlg::DoDataExchange() {
    connect(m_slider, &CGammaSliderCtrl::rampPreviewed, this, &CGammaDlg::ShowRampInPictures);
    m_slider->PreSubclassWindow();
}

void CGammaDlg::OnInitDialog() {
    DoDataExchange();
    if (m_slider->Access() != GammaAccess::Changeable) {
        const GammaNote note = m_slider->Access() == GammaAccess::NotChangeable
                                   ? GammaNote::ScreenCannotChange
                                   : GammaNote::RampUnreadable;
        m_staticNote->setText(ToQString(GammaNoteText(note, m_nLanguage)));
        m_staticNote->show();
    } else if (const std::optional<RecoveryNote> note = m_slider->Note()) {
        m_staticNote->setText(RecoveryNoteText(*note, m_nLanguage));
        // A long folder name may not fit on the line.
        m_staticNote->setToolTip(m_staticNote->text());
        m_staticNote->show();
    }
    m_slider->SetPositionAndApply(PositionForGamma(g_lastGamma));
    m_slider->setFocus();
}

void CGammaDlg::accept() {
    OnOK();
}

void CGammaDlg::reject() {
    OnCancel();
}

void CGammaDlg::OnOK() {
    m_nPosition = m_slider->value();
    m_slider->RestoreRamp();
    QDialog::accept();
}

void CGammaDlg::OnCancel() {
    m_slider->RestoreRamp();
    QDialog::reject();
}

void CGammaDlg::ShowRampInPictures(const GammaRamp& ramp) {
    const std::vector<std::uint8_t> red = ChannelLevels(ramp.red);
    const std::vector<std::uint8_t> green = ChannelLevels(ramp.green);
    const std::vector<std::uint8_t> blue = ChannelLevels(ramp.blue);
    for (const PreviewPicture& picture : m_pictures) {
        // The format the screen shows, so that the picture is drawn without converting it.
        QImage shown = picture.original.convertToFormat(QImage::Format_RGB32);
        const int width = shown.width();
        for (int y = 0; y < shown.height(); ++y) {
            QRgb* const row = reinterpret_cast<QRgb*>(shown.scanLine(y));
            for (QRgb* pixel = row; pixel != row + width; ++pixel) {
                *pixel = qRgb(red[qRed(*pixel)], green[qGreen(*pixel)], blue[qBlue(*pixel)]);
            }
        }
        picture.control->SetImage(shown);
    }
}

} // namespace cssbinder
