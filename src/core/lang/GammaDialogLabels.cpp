#include "core/lang/GammaDialogLabels.h"

#include "core/lang/Language.h"

namespace cssbinder {
namespace {

constexpr Texts kScreenCannotChange{
    "This screen's gamma cannot be changed here: the pictures show the preview instead.",
    "Le gamma de cet écran ne peut pas être modifié ici : les images montrent l'aperçu.",
    "Das Gamma dieses Bildschirms lässt sich hier nicht ändern: die Bilder zeigen die Vorschau.",
    "Il gamma di questo schermo non può essere modificato qui: le immagini mostrano l'anteprima.",
    "El gamma de esta pantalla no se puede cambiar aquí: las imágenes muestran la vista previa.",
};

constexpr Texts kRampUnreadable{
    "The screen's gamma could not be read, so it cannot be previewed.",
    "Le gamma de l'écran n'a pas pu être lu : l'aperçu est impossible.",
    "Das Gamma des Bildschirms konnte nicht gelesen werden: keine Vorschau möglich.",
    "Non è stato possibile leggere il gamma dello schermo: anteprima impossibile.",
    "No se pudo leer el gamma de la pantalla: la vista previa no es posible.",
};

} // namespace

std::string_view GammaNoteText(GammaNote note, int language) {
    return TextIn(note == GammaNote::ScreenCannotChange ? kScreenCannotChange : kRampUnreadable, language);
}

} // namespace cssbinder
