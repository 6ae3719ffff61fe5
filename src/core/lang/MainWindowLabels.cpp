#include "core/lang/MainWindowLabels.h"

#include <array>

namespace cssbinder {
namespace {

struct LabelRow {
    int controlId;
    Texts texts;
};

constexpr int kDynamicButton = 1072;
constexpr int kSetAlphaButton = 1070;

// Captions in the order every label routine sets them, up to the two state-dependent buttons.
constexpr std::array<LabelRow, 37> kCaptionsBeforeState{{
    {1, {"Exit", "Fermer", "Schließen", "Fine", "Salir"}},
    {1027, {"Save", "Sauvegarder", "Laden", "Salva", "Guardar"}},
    {1034,
     {"Bind console", "Associer touche pour console", "Taste mit Konsole verbinden",
      "Associarsi tasti con console", "Asociarse tecla para consola"}},
    {1032,
     {"Bind \"Say\"", "Ajouter bind pour parler", "Taste um zu sprechen", "Aggiunga tasti per parlare",
      "Pulse botón para hablar"}},
    {1033,
     {"Add quick pick bind", "Associer sélection rapide", "Schnelles selection waffen",
      "Selezione rapida del socio", "Añadir selección rapida"}},
    {1020,
     {"Add \"Buy\" script", "Ajouter bind d'achat", "Kauftaste hinzufügen", "Tasti per comprare",
      "Pulse tecla para comprar"}},
    {1035, {"Set", "Appliquer", "Speichern", "Applicare", "Aplicar"}},
    {1048, {"Weapons", "Armes", "Waffen", "Armi", "Armas"}},
    {1052, {"Say", "Parler", "Sprechen", "Per parlare", "Hablar"}},
    {1053, {"Quick pick", "Sélection rapide", "Schnelles selection", "Selezione rapida", "Selección rápida"}},
    {1047, {"Keys / Buttons", "Touches / Boutons", "Tasten", "Tasti", "Teclas / Botón"}},
    {1050,
     {"Grenades / Misc.", "Grenades / Divers", "Granaten / Verschiedenes", "Granate / Tuffatori",
      "Granadas / Otros"}},
    {1051, {"Armor", "Armure", "Rustung", "Armatura", "Armadura"}},
    {1049, {"Ammos", "Munitions", "Munitionen", "Munizioni", "Municiones"}},
    {1012, {"Smoke Grenade", "Grenade fumigène", "Rauchgranate", "Granata fumogena", "Granadas de Humo"}},
    {1015,
     {"Secondary ammo", "Munitions secondaires", "Sekundäre Munitionen", "Munizioni secondarie",
      "Municiones secundarias"}},
    {1016,
     {"Primary ammo", "Munitions primaires", "Prim. Munitionen", "Munizioni primarie",
      "Municiones primarias"}},
    {1013, {"Night vision", "Vision nocturne", "Nachtsicht", "Visione notturna", "Visión nocturna"}},
    {1002, {"Explosive Grenade", "Grenade explosive", "HE granate", "Granate AE", "Granada HE"}},
    {1011, {"Flashbang 1", "Grenade aveuglante 1", "Blendgranate 1", "Flashbang 1", "Bengala 1"}},
    {1010, {"Flashbang 2", "Grenade aveuglante 2", "Blengranate 2", "Flashbang 2", "Bengala 2"}},
    {1014,
     {"Difusal kit", "Kit de désarmorçage", "Entschärfungs Kit", "Kit Disinnesco", "Equipo de deactivation"}},
    {1030, {"To all", "A tous", "An Allen", "A tutti", "A todos"}},
    {1018, {"Helmet + Kevlar", "Casque + Kevlar", "Helm + Kevlar", "Casco + Kevlar", "Casco + Kevlar"}},
    {1019, {"No armor", "Pas d'armure", "Keine Rustung", "Nessun'armatura", "Ninguna armadura"}},
    {1031, {"To team", "A l'équipe", "Am Team", "Alla squadra", "Al equipo"}},
    {1066,
     {"Crosshair Adjustments", "Ajustements du crosshair", "Fadenkreuz einrichten", "Regola il mirino",
      "Ajusta Crosshair"}},
    {1058, {"Green", "Vert", "Grün", "Verde", "Verde"}},
    {1057, {"Blue", "Bleu", "Blau", "Blu", "Azul"}},
    {1059, {"Red", "Rouge", "Rot", "Rosso", "Rojo"}},
    {1056, {"Yellow", "Jaune", "Gelb", "Giallo", "Amarillo"}},
    {1060, {"Lightblue", "Bleu clair", "Hellblau", "Blu-chiaro", "Azul claro"}},
    {1065,
     {"Crosshair transparency -", "Transparence crosshair -", "Fadenkreuz Transparenz -",
      "Acetato di mirino -", "Transparencia del crosshair -"}},
    {1064,
     {"Crosshair transparency +", "Transparence crosshair +", "Fadenkreuz Transparenz +",
      "Acetato di mirino +", "Transparencia del crosshair +"}},
    {1063,
     {"Crosshair size -", "Taille crosshair -", "Fadenkreuzes Größe -", "Formato di mirino -",
      "Tamaño del crosshair -"}},
    {1062,
     {"Crosshair size +", "Taille crosshair +", "Fadenkreuzes Größe +", "Formato di mirino +",
      "Tamaño del crosshair +"}},
    {1073, {"Set", "Appliquer", "Speichern", "Applicare", "Aplicar tamaño"}},
}};

constexpr Texts kDynamicOff{"Dynamic", "Dynamique", "Dynamik", "Dinamico", "Dinámico"};
constexpr Texts kDynamicOn{"Fixed", "Fixe", "Fest", "Fisso", "Fijo"};
constexpr Texts kAlphaOn{"No transparency", "Pas de transparence", "Keine Transparenz", "Nessun acetato",
                         "Ninguna transparencia"};
constexpr Texts kAlphaOff{"Set transparency", "Appliquer transparence", "Transparenz speichern",
                          "Regoli l'acetato", "Aplicar transparencia"};
constexpr LabelRow kUseColor{1071, {"Set colour", "Appliquer", "Speichern", "Applicare", "Aplicar"}};

// Captions the label routines set after the four messages.
constexpr std::array<LabelRow, 2> kCaptionsAfterMessages{{
    {1040, {"Preview", "Prévue", "Vorbetrachtung", "Previsione", "Inspección previa"}},
    {1022,
     {"Advanced parameters", "Paramètres avancés", "Fortgeschrittene parameters", "Parametri avanzati",
      "Parámetros avanzados"}},
}};

// Indexed by Message.
constexpr std::array<Texts, 9> kMessages{{
    {"Nothing to add", "Rien à ajouter", "Nichts hinzuzufügen", "Niente aggiungere", "Nada agregar"},
    {"Nothing to say", "Rien à dire", "Nichts zu sagen", "Niente dire", "Nada decir"},
    {"Select a key", "Pas de touche sélectionnée", "Keine Taste Auswahlen", "Nessuna tasti selezionata",
     "Ningunos tecla seleccionado"},
    {"Nothing to save", "rien à sauvegarder", "Nichts zu laden", "Niente a salva", "Nada guardar"},
    {"Cannot write %1: %2", "Impossible d'écrire %1 : %2", "%1 kann nicht geschrieben werden: %2",
     "Impossibile scrivere %1: %2", "No se puede escribir %1: %2"},
    {"Your changes are not saved. Quit anyway?",
     "Vos modifications ne sont pas sauvegardées. Quitter quand même ?",
     "Ihre Änderungen sind nicht gespeichert. Trotzdem beenden?",
     "Le modifiche non sono state salvate. Uscire comunque?",
     "Los cambios no se han guardado. ¿Salir de todos modos?"},
    {"%1 does not hold the game's cstrike folder. Choose the Counter-Strike Source folder.",
     "%1 ne contient pas le dossier cstrike du jeu. Choisissez le dossier Counter-Strike Source.",
     "%1 enthält keinen cstrike-Ordner des Spiels. Wählen Sie den Ordner Counter-Strike Source.",
     "%1 non contiene la cartella cstrike del gioco. Scegliete la cartella Counter-Strike Source.",
     "%1 no contiene la carpeta cstrike del juego. Elija la carpeta Counter-Strike Source."},
    {"Cannot read %1: %2", "Impossible de lire %1 : %2", "%1 kann nicht gelesen werden: %2",
     "Impossibile leggere %1: %2", "No se puede leer %1: %2"},
    {"Your changes are not saved. Open another file anyway?",
     "Vos modifications ne sont pas sauvegardées. Ouvrir un autre fichier quand même ?",
     "Ihre Änderungen sind nicht gespeichert. Trotzdem eine andere Datei öffnen?",
     "Le modifiche non sono state salvate. Aprire comunque un altro file?",
     "Los cambios no se han guardado. ¿Abrir otro archivo de todos modos?"},
}};

constexpr Texts kGameFolderEntry{"Game folder...", "Dossier du jeu...", "Spielordner...",
                                 "Cartella del gioco...", "Carpeta del juego..."};
constexpr Texts kOpenEntry{"Open...", "Ouvrir...", "Öffnen...", "Apri...", "Abrir..."};

} // namespace

std::vector<ControlCaption> MainWindowCaptions(int language, bool dynamic, bool useAlpha) {
    std::vector<ControlCaption> captions;
    captions.reserve(kCaptionsBeforeState.size() + 3 + kCaptionsAfterMessages.size());
    for (const LabelRow& row : kCaptionsBeforeState) {
        captions.push_back({row.controlId, TextIn(row.texts, language)});
    }
    captions.push_back({kDynamicButton, TextIn(dynamic ? kDynamicOn : kDynamicOff, language)});
    captions.push_back({kSetAlphaButton, SetAlphaCaption(language, useAlpha)});
    captions.push_back({kUseColor.controlId, TextIn(kUseColor.texts, language)});
    for (const LabelRow& row : kCaptionsAfterMessages) {
        captions.push_back({row.controlId, TextIn(row.texts, language)});
    }
    return captions;
}

std::string_view SetAlphaCaption(int language, bool useAlpha) {
    return TextIn(useAlpha ? kAlphaOn : kAlphaOff, language);
}

std::string_view MessageText(Message message, int language) {
    return TextIn(kMessages[static_cast<std::size_t>(message)], language);
}

std::string_view GameFolderEntry(int language) {
    return TextIn(kGameFolderEntry, language);
}

std::string_view OpenEntry(int language) {
    return TextIn(kOpenEntry, language);
}

} // namespace cssbinder
