#include "core/advanced/MenuBackgroundMessages.h"

#include "core/lang/Language.h"

#include <array>

namespace cssbinder {
namespace {

// In the order of BackgroundFailure.
constexpr std::array<Texts, 7> kFailureTexts{{
    {"The conversion kit is missing: %1", "Le kit de conversion est introuvable : %1",
     "Das Konvertierungspaket fehlt: %1", "Il kit di conversione è assente: %1",
     "Falta el kit de conversión: %1"},
    {"Cannot start the conversion kit %1: %2", "Impossible de lancer le kit de conversion %1 : %2",
     "Das Konvertierungspaket %1 kann nicht gestartet werden: %2",
     "Impossibile avviare il kit di conversione %1: %2", "No se puede iniciar el kit de conversión %1: %2"},
    {"Cannot convert %1: %2", "Impossible de convertir %1 : %2", "%1 kann nicht umgewandelt werden: %2",
     "Impossibile convertire %1: %2", "No se puede convertir %1: %2"},
    {"The conversion of %1 did not end within %2 seconds.",
     "La conversion de %1 n'a pas fini en %2 secondes.",
     "Die Umwandlung von %1 wurde nicht in %2 Sekunden fertig.",
     "La conversione di %1 non è terminata entro %2 secondi.",
     "La conversión de %1 no terminó en %2 segundos."},
    {"The conversion kit made no %1.", "Le kit de conversion n'a pas créé %1.",
     "Das Konvertierungspaket hat %1 nicht erstellt.", "Il kit di conversione non ha creato %1.",
     "El kit de conversión no ha creado %1."},
    {"The game folder %1 has no cstrike folder.", "Le dossier du jeu %1 n'a pas de dossier cstrike.",
     "Der Spielordner %1 hat keinen Ordner cstrike.", "La cartella del gioco %1 non ha la cartella cstrike.",
     "La carpeta del juego %1 no tiene carpeta cstrike."},
    {"The picture %1 is smaller than 16 x 16 pixels.", "L'image %1 est plus petite que 16 x 16 pixels.",
     "Das Bild %1 ist kleiner als 16 x 16 Pixel.", "L'immagine %1 è più piccola di 16 x 16 pixel.",
     "La imagen %1 es más pequeña que 16 x 16 píxeles."},
}};

// In the order of BackgroundNotice.
constexpr std::array<Texts, 2> kNoticeTexts{{
    {"Converting the picture...", "Conversion de l'image...", "Bild wird umgewandelt...",
     "Conversione dell'immagine...", "Convirtiendo la imagen..."},
    {"The menu background is installed.", "Le fond du menu est installé.",
     "Der Menühintergrund ist installiert.", "Lo sfondo del menu è installato.",
     "El fondo del menú está instalado."},
}};

} // namespace

std::string_view BackgroundFailureText(BackgroundFailure failure, int language) {
    return TextIn(kFailureTexts.at(static_cast<std::size_t>(failure)), language);
}

std::string_view BackgroundNoticeText(BackgroundNotice notice, int language) {
    return TextIn(kNoticeTexts.at(static_cast<std::size_t>(notice)), language);
}

} // namespace cssbinder
