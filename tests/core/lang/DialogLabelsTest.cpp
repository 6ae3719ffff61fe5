#include "core/advanced/AdvancedDialogLabels.h"
#include "core/lang/GammaDialogLabels.h"
#include "core/lang/MainWindowLabels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace cssbinder {
namespace {

using Captions = std::vector<std::pair<int, std::string_view>>;

Captions Pairs(const std::vector<ControlCaption>& captions) {
    Captions pairs;
    for (const ControlCaption& caption : captions) {
        pairs.emplace_back(caption.controlId, caption.text);
    }
    return pairs;
}

// One language's text of "English|French|German|Italian|Spanish".
std::string_view Part(std::string_view texts, int language) {
    for (; language > 0; --language) {
        texts.remove_prefix(texts.find('|') + 1);
    }
    return texts.substr(0, texts.find('|'));
}

// The languages to try, each with the one it reads as: a number outside the five reads English.
constexpr std::pair<int, int> kLanguages[] = {{English, English}, {French, French},   {German, German},
                                              {Italian, Italian}, {Spanish, Spanish}, {99, English}};

// Captions in the order they are set; the Dynamic (1072) and transparency (1070) buttons follow state.
TEST(MainWindowLabels, EveryCaptionAndMessageOfEveryLanguage) {
    const std::pair<int, const char*> rows[] = {
        {1, "Exit|Fermer|Schließen|Fine|Salir"},
        {1027, "Save|Sauvegarder|Laden|Salva|Guardar"},
        {1034, "Bind console|Associer touche pour console|Taste mit Konsole verbinden|Associarsi tasti con "
               "console|Asociarse tecla para consola"},
        {1032, "Bind \"Say\"|Ajouter bind pour parler|Taste um zu sprechen|Aggiunga tasti per parlare|Pulse "
               "botón para hablar"},
        {1033, "Add quick pick bind|Associer sélection rapide|Schnelles selection waffen|Selezione rapida "
               "del socio|Añadir selección rapida"},
        {1020, "Add \"Buy\" script|Ajouter bind d'achat|Kauftaste hinzufügen|Tasti per comprare|Pulse tecla "
               "para comprar"},
        {1035, "Set|Appliquer|Speichern|Applicare|Aplicar"},
        {1048, "Weapons|Armes|Waffen|Armi|Armas"},
        {1052, "Say|Parler|Sprechen|Per parlare|Hablar"},
        {1053, "Quick pick|Sélection rapide|Schnelles selection|Selezione rapida|Selección rápida"},
        {1047, "Keys / Buttons|Touches / Boutons|Tasten|Tasti|Teclas / Botón"},
        {1050, "Grenades / Misc.|Grenades / Divers|Granaten / Verschiedenes|Granate / Tuffatori|Granadas / "
               "Otros"},
        {1051, "Armor|Armure|Rustung|Armatura|Armadura"},
        {1049, "Ammos|Munitions|Munitionen|Munizioni|Municiones"},
        {1012, "Smoke Grenade|Grenade fumigène|Rauchgranate|Granata fumogena|Granadas de Humo"},
        {1015, "Secondary ammo|Munitions secondaires|Sekundäre Munitionen|Munizioni secondarie|Municiones "
               "secundarias"},
        {1016, "Primary ammo|Munitions primaires|Prim. Munitionen|Munizioni primarie|Municiones primarias"},
        {1013, "Night vision|Vision nocturne|Nachtsicht|Visione notturna|Visión nocturna"},
        {1002, "Explosive Grenade|Grenade explosive|HE granate|Granate AE|Granada HE"},
        {1011, "Flashbang 1|Grenade aveuglante 1|Blendgranate 1|Flashbang 1|Bengala 1"},
        {1010, "Flashbang 2|Grenade aveuglante 2|Blengranate 2|Flashbang 2|Bengala 2"},
        {1014, "Difusal kit|Kit de désarmorçage|Entschärfungs Kit|Kit Disinnesco|Equipo de deactivation"},
        {1030, "To all|A tous|An Allen|A tutti|A todos"},
        {1018, "Helmet + Kevlar|Casque + Kevlar|Helm + Kevlar|Casco + Kevlar|Casco + Kevlar"},
        {1019, "No armor|Pas d'armure|Keine Rustung|Nessun'armatura|Ninguna armadura"},
        {1031, "To team|A l'équipe|Am Team|Alla squadra|Al equipo"},
        {1066, "Crosshair Adjustments|Ajustements du crosshair|Fadenkreuz einrichten|Regola il mirino|Ajusta "
               "Crosshair"},
        {1058, "Green|Vert|Grün|Verde|Verde"},
        {1057, "Blue|Bleu|Blau|Blu|Azul"},
        {1059, "Red|Rouge|Rot|Rosso|Rojo"},
        {1056, "Yellow|Jaune|Gelb|Giallo|Amarillo"},
        {1060, "Lightblue|Bleu clair|Hellblau|Blu-chiaro|Azul claro"},
        {1065, "Crosshair transparency -|Transparence crosshair -|Fadenkreuz Transparenz -|Acetato di mirino "
               "-|Transparencia del crosshair -"},
        {1064, "Crosshair transparency +|Transparence crosshair +|Fadenkreuz Transparenz +|Acetato di mirino "
               "+|Transparencia del crosshair +"},
        {1063, "Crosshair size -|Taille crosshair -|Fadenkreuzes Größe -|Formato di mirino -|Tamaño del "
               "crosshair -"},
        {1062, "Crosshair size +|Taille crosshair +|Fadenkreuzes Größe +|Formato di mirino +|Tamaño del "
               "crosshair +"},
        {1073, "Set|Appliquer|Speichern|Applicare|Aplicar tamaño"},
        {1072, nullptr},
        {1070, nullptr},
        {1071, "Set colour|Appliquer|Speichern|Applicare|Aplicar"},
        {1040, "Preview|Prévue|Vorbetrachtung|Previsione|Inspección previa"},
        {1022, "Advanced parameters|Paramètres avancés|Fortgeschrittene parameters|Parametri avanzati|"
               "Parámetros avanzados"},
    };
    using enum Message;
    const std::pair<Message, const char*> messages[] = {
        {NothingToAdd, "Nothing to add|Rien à ajouter|Nichts hinzuzufügen|Niente aggiungere|Nada agregar"},
        {NothingToSay, "Nothing to say|Rien à dire|Nichts zu sagen|Niente dire|Nada decir"},
        {SelectKey, "Select a key|Pas de touche sélectionnée|Keine Taste Auswahlen|Nessuna tasti "
                    "selezionata|Ningunos tecla seleccionado"},
        {NothingToSave, "Nothing to save|rien à sauvegarder|Nichts zu laden|Niente a salva|Nada guardar"},
        {CannotWrite, "Cannot write %1: %2|Impossible d'écrire %1 : %2|%1 kann nicht geschrieben werden: "
                      "%2|Impossibile scrivere %1: %2|No se puede escribir %1: %2"},
        {CannotRead, "Cannot read %1: %2|Impossible de lire %1 : %2|%1 kann nicht gelesen werden: %2|"
                     "Impossibile leggere %1: %2|No se puede leer %1: %2"},
    };
    // 1072 when static and when dynamic, 1070 without and with the transparency set.
    const char* stateTexts[2][2] = {
        {"Dynamic|Dynamique|Dynamik|Dinamico|Dinámico", "Fixed|Fixe|Fest|Fisso|Fijo"},
        {"Set transparency|Appliquer transparence|Transparenz speichern|Regoli l'acetato|Aplicar "
         "transparencia",
         "No transparency|Pas de transparence|Keine Transparenz|Nessun acetato|Ninguna transparencia"}};
    for (const auto& [language, readAs] : kLanguages) {
        for (const bool dynamic : {false, true}) {
            const bool useAlpha = !dynamic;
            Captions expected;
            for (const auto& [controlId, texts] : rows) {
                const char* shown =
                    texts ? texts : stateTexts[controlId == 1070][controlId == 1070 ? useAlpha : dynamic];
                expected.emplace_back(controlId, Part(shown, readAs));
            }
            EXPECT_EQ(Pairs(MainWindowCaptions(language, dynamic, useAlpha)), expected) << language;
            EXPECT_EQ(SetAlphaCaption(language, useAlpha),
                      std::ranges::find(expected, 1070, &Captions::value_type::first)->second);
        }
        for (const auto& [message, texts] : messages) {
            EXPECT_EQ(MessageText(message, language), Part(texts, readAs)) << language;
        }
    }
    EXPECT_EQ(std::tuple(LanguageFromIndex(-1), LanguageFromIndex(4), LanguageFromIndex(5)),
              std::tuple(English, Spanish, English));
}

// Both Default buttons alike; tool-tips are French for French, English for every other language.
TEST(AdvancedDialogLabels, EveryCaptionAndToolTipOfEveryLanguage) {
    const std::pair<int, const char*> captions[] = {
        {1073, "Rain|Pluie|Regen|Pioggia|Lluvia"},
        {1074, "Shadows|Ombres|Schatten|Ombre|Sombras"},
        {1075, "Blood|Sang|Blut|Anima|Sangre"},
        {1080, "C4 dyn. light|Lumière C4 dyn.|Dyn. C4 Licht|Luce dinamica C4|Luz dinámica c4"},
        {1076, "Tags|Tags|Sprays|Spray|Spray"},
        {1077, "Bump mapping|Bump mapping|Bump mapping|Bump mapping|Bump mapping"},
        {1079, "Dyn. lights|Lumières dyn.|Dyn. Lichter|Luce dinamica|Luz dinámica"},
        {1081, "Mipmap|Mipmap|Mipmap|Mipmap|Mipmap"},
        {1083, "Vertex|Vertex|Vertex|Vertex|Vertex"},
        {1084, "Fog|Brouillard|Nebel|Nebbia|Niebla"},
        {1082,
         "Eyes movements|Mouvements des yeux|Augen Bewegung|Movimento degli occhi|Movimientos de los ojos"},
        {1092, "Change menu background|Changer le fond du menu|CS background wechseln|Cambi il CSS "
               "Background|Cambie el CSS Background"},
        {1108, "Connection Optimizations|Optimisations de la connection|Verbindungs "
               "Optimierung|Ottimizzazione di Conection|Optimizaciones de la conexión"},
        {1107, "Graphics Optimizations|Optimisations des graphismes|Graphiks Optimierung|Ottimizzazione dei "
               "grafici|Optimizaciones gráficas"},
        {1093, "Report bug|Déclarer bug|Zu erklären bug|Dichiarare bug|Declarar bug"},
        {1094, "Default|Défaut|Rückstellung|Difetto|Defecto"},
        {1095, "Default|Défaut|Rückstellung|Difetto|Defecto"},
    };
    const std::pair<int, const char*> toolTips[] = {
        {1073, "Desactivate rain if unchecked|Désactive la pluie si décochée"},
        {1074, "Desactivate shadows if unchecked|Désactive les ombres si décochée"},
        {1075, "Desactivate blood if unchecked|Désactive le sang si décochée"},
        {1080, "Desactivate dynamic light on C4 if unchecked|Désactive la lumière dynamique sur la bombe si "
               "décochée"},
        {1076, "Desactivate sprays if unchecked|Désactive les tags si décochée"},
        {1077, "Desactivate bump mapping if unchecked|Désactive le bump mapping si décochée"},
        {1079, "Desactivate dynamic lights if unchecked|Désactive les lumières dynamiques si décochée"},
        {1081, "Desactivate mipmapping if unchecked|Désactive le mipmapping si décochée"},
        {1083, "Reduce geometry if unchecked|Reduit la géométrie si décochée"},
        {1084, "Desactivate fog if unchecked|Déscative le brouillard si décochée"},
        {1082, "Desactivate eyes movements if unchecked|Désactive le mouvement des yeux si décochée"},
    };
    for (const auto& [language, readAs] : kLanguages) {
        Captions expected;
        for (const auto& [controlId, texts] : captions) {
            expected.emplace_back(controlId, Part(texts, readAs));
        }
        EXPECT_EQ(Pairs(AdvancedDialogCaptions(language)), expected) << language;
        expected.clear();
        for (const auto& [controlId, texts] : toolTips) {
            expected.emplace_back(controlId, Part(texts, readAs == French ? French : English));
        }
        EXPECT_EQ(Pairs(AdvancedDialogToolTips(language)), expected) << language;
    }
}

TEST(GammaDialogLabels, TheTwoNotesDifferInEveryLanguage) {
    for (int language = English; language <= Spanish; ++language) {
        const std::string_view unreadable = GammaNoteText(GammaNote::RampUnreadable, language);
        EXPECT_TRUE(!unreadable.empty() &&
                    unreadable != GammaNoteText(GammaNote::ScreenCannotChange, language));
    }
    EXPECT_NE(GammaNoteText(GammaNote::ScreenCannotChange, French),
              GammaNoteText(GammaNote::ScreenCannotChange, English));
}

} // namespace
} // namespace cssbinder
