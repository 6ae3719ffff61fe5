#include "core/advanced/AdvancedDialogLabels.h"
#include "core/lang/GammaDialogLabels.h"
#include "core/lang/MainWindowLabels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <tuple>
#include <utility>

namespace cssbinder {
namespace {

std::string_view CaptionOf(const std::vector<ControlCaption>& captions, int controlId) {
    const auto found = std::ranges::find(captions, controlId, &ControlCaption::controlId);
    return found == captions.end() ? std::string_view("<missing>") : found->text;
}

// Every language labels the same 42 controls once each. Exit, Save, Advanced parameters, the Dynamic and
// transparency buttons as the crosshair state names them, and the messages for no key and for nothing to
// save; a language outside the five reads English.
TEST(MainWindowLabels, CaptionsAndMessagesOfEachLanguage) {
    using Texts = std::array<std::string_view, 7>;
    const std::pair<std::tuple<int, bool, bool>, Texts> cases[] = {
        {{English, false, false},
         {"Exit", "Save", "Advanced parameters", "Dynamic", "Set transparency", "Select a key",
          "Nothing to save"}},
        {{English, true, true},
         {"Exit", "Save", "Advanced parameters", "Fixed", "No transparency", "Select a key",
          "Nothing to save"}},
        {{French, true, false},
         {"Fermer", "Sauvegarder", "Paramètres avancés", "Fixe", "Appliquer transparence",
          "Pas de touche sélectionnée", "rien à sauvegarder"}},
        {{German, false, true},
         {"Schließen", "Laden", "Fortgeschrittene parameters", "Dynamik", "Keine Transparenz",
          "Keine Taste Auswahlen", "Nichts zu laden"}},
        {{Italian, true, false},
         {"Fine", "Salva", "Parametri avanzati", "Fisso", "Regoli l'acetato", "Nessuna tasti selezionata",
          "Niente a salva"}},
        {{Spanish, false, true},
         {"Salir", "Guardar", "Parámetros avanzados", "Dinámico", "Ninguna transparencia",
          "Ningunos tecla seleccionado", "Nada guardar"}},
        {{99, false, false},
         {"Exit", "Save", "Advanced parameters", "Dynamic", "Set transparency", "Select a key",
          "Nothing to save"}},
    };
    for (const auto& [state, texts] : cases) {
        const auto [language, dynamic, useAlpha] = state;
        const auto captions = MainWindowCaptions(language, dynamic, useAlpha);
        std::set<int> ids;
        for (const ControlCaption& caption : captions) {
            EXPECT_TRUE(ids.insert(caption.controlId).second && !caption.text.empty()) << caption.controlId;
        }
        ASSERT_EQ(captions.size(), 42u);
        ASSERT_EQ(std::pair(captions.front().controlId, captions.back().controlId), std::pair(1, 1022));
        EXPECT_EQ(
            (Texts{CaptionOf(captions, 1), CaptionOf(captions, 1027), CaptionOf(captions, 1022),
                   CaptionOf(captions, 1072), CaptionOf(captions, 1070),
                   MessageText(Message::SelectKey, language), MessageText(Message::NothingToSave, language)}),
            texts)
            << language;
        EXPECT_EQ(SetAlphaCaption(language, useAlpha), texts[4]) << language;
    }
}

TEST(MainWindowLabels, LanguagesOutsideTheFiveAreEnglish) {
    EXPECT_EQ(LanguageFromIndex(-1), English);
    EXPECT_EQ(LanguageFromIndex(5), English);
    EXPECT_EQ(LanguageFromIndex(4), Spanish);
}

// Rain, the background button, the connection group and Default in each language, and the rain
// tool-tip: French for French, English for every other language. Both Default buttons read the same.
TEST(AdvancedDialogLabels, CaptionsAndToolTipsOfEachLanguage) {
    using Texts = std::array<std::string_view, 5>;
    const std::string_view english = "Desactivate rain if unchecked";
    const std::pair<int, Texts> cases[] = {
        {English, {"Rain", "Change menu background", "Connection Optimizations", "Default", english}},
        {French,
         {"Pluie", "Changer le fond du menu", "Optimisations de la connection", "Défaut",
          "Désactive la pluie si décochée"}},
        {German, {"Regen", "CS background wechseln", "Verbindungs Optimierung", "Rückstellung", english}},
        {Italian, {"Pioggia", "Cambi il CSS Background", "Ottimizzazione di Conection", "Difetto", english}},
        {Spanish,
         {"Lluvia", "Cambie el CSS Background", "Optimizaciones de la conexión", "Defecto", english}},
    };
    for (const auto& [language, texts] : cases) {
        const auto captions = AdvancedDialogCaptions(language);
        EXPECT_EQ((Texts{CaptionOf(captions, 1073), CaptionOf(captions, 1092), CaptionOf(captions, 1108),
                         CaptionOf(captions, 1094), CaptionOf(AdvancedDialogToolTips(language), 1073)}),
                  texts)
            << language;
        EXPECT_EQ(CaptionOf(captions, 1095), CaptionOf(captions, 1094)) << language;
    }
}

TEST(GammaDialogLabels, TheTwoNotesDifferInEveryLanguage) {
    for (int language = English; language <= Spanish; ++language) {
        EXPECT_NE(GammaNoteText(GammaNote::ScreenCannotChange, language),
                  GammaNoteText(GammaNote::RampUnreadable, language));
        EXPECT_FALSE(GammaNoteText(GammaNote::RampUnreadable, language).empty());
    }
    EXPECT_NE(GammaNoteText(GammaNote::ScreenCannotChange, French),
              GammaNoteText(GammaNote::ScreenCannotChange, English));
}

} // namespace
} // namespace cssbinder
