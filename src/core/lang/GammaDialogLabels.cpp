#include "core/lang/GammaDialogLabels.h"

#include "core/lang/Language.h"

namespace cssbinder {
namespace {

// Indexed by GammaNote.
constexpr std::array<Texts, 6> kNotes{{
    {
        "This screen's gamma cannot be changed here: the pictures show the preview instead.",
        "Le gamma de cet écran ne peut pas être modifié ici : les images montrent l'aperçu.",
        "Das Gamma dieses Bildschirms lässt sich hier nicht ändern: die Bilder zeigen die Vorschau.",
        "Il gamma di questo schermo non può essere modificato qui: le immagini mostrano l'anteprima.",
        "El gamma de esta pantalla no se puede cambiar aquí: las imágenes muestran la vista previa.",
    },
    {
        "The screen's gamma could not be read, so it cannot be previewed.",
        "Le gamma de l'écran n'a pas pu être lu : l'aperçu est impossible.",
        "Das Gamma des Bildschirms konnte nicht gelesen werden: keine Vorschau möglich.",
        "Non è stato possibile leggere il gamma dello schermo: anteprima impossibile.",
        "No se pudo leer el gamma de la pantalla: la vista previa no es posible.",
    },
    {
        "Another copy of cssbinder is previewing with %1: the pictures show the preview instead.",
        "Une autre copie de cssbinder fait un aperçu avec %1 : les images montrent l'aperçu.",
        "Eine andere Kopie von cssbinder zeigt eine Vorschau mit %1: die Bilder zeigen die Vorschau.",
        "Un'altra copia di cssbinder sta usando %1 per un'anteprima: le immagini mostrano l'anteprima.",
        "Otra copia de cssbinder está usando %1 para una vista previa: las imágenes muestran la vista "
        "previa.",
    },
    {
        "%1 still holds an earlier gamma not put back yet: the pictures show the preview instead.",
        "%1 garde encore un gamma antérieur non rétabli : les images montrent l'aperçu.",
        "%1 enthält noch ein früheres, nicht wiederhergestelltes Gamma: die Bilder zeigen die Vorschau.",
        "%1 contiene ancora un gamma precedente non ripristinato: le immagini mostrano l'anteprima.",
        "%1 aún guarda un gamma anterior no restablecido: las imágenes muestran la vista previa.",
    },
    {
        "Cannot write %1: %2. The pictures show the preview instead.",
        "Impossible d'écrire %1 : %2. Les images montrent l'aperçu.",
        "%1 kann nicht geschrieben werden: %2. Die Bilder zeigen die Vorschau.",
        "Impossibile scrivere %1: %2. Le immagini mostrano l'anteprima.",
        "No se puede escribir %1: %2. Las imágenes muestran la vista previa.",
    },
    {
        "%1 held no usable gamma for this screen: it was not applied and is kept as %2.",
        "%1 ne contenait aucun gamma utilisable pour cet écran : il n'a pas été appliqué et est conservé "
        "sous %2.",
        "%1 enthielt kein brauchbares Gamma für diesen Bildschirm: es wurde nicht angewendet und als %2 "
        "aufbewahrt.",
        "%1 non conteneva un gamma utilizzabile per questo schermo: non è stato applicato ed è conservato "
        "come "
        "%2.",
        "%1 no contenía un gamma utilizable para esta pantalla: no se aplicó y se conserva como %2.",
    },
}};

} // namespace

std::string_view GammaNoteText(GammaNote note, int language) {
    return TextIn(kNotes[static_cast<std::size_t>(note)], language);
}

} // namespace cssbinder
