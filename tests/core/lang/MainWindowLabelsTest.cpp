#include "core/lang/MainWindowLabels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace cssbinder {
namespace {

std::string_view CaptionOf(const std::vector<ControlCaption>& captions, int controlId) {
    const auto found = std::ranges::find(captions, controlId, &ControlCaption::controlId);
    return found == captions.end() ? std::string_view("<missing>") : found->text;
}

TEST(MainWindowLabels, EveryLanguageLabelsTheSameFortyControlsOnceEach) {
    for (int language = English; language <= Spanish; ++language) {
        const auto captions = MainWindowCaptions(language, false, false);
        std::set<int> ids;
        for (const ControlCaption& caption : captions) {
            EXPECT_TRUE(ids.insert(caption.controlId).second) << caption.controlId;
            EXPECT_FALSE(caption.text.empty()) << caption.controlId;
        }
        EXPECT_EQ(captions.size(), 42u);
        EXPECT_EQ(captions.front().controlId, 1);
        EXPECT_EQ(captions.back().controlId, 1022);
    }
}

// Exit, Save and Advanced parameters, and the messages for no key and for nothing to save; a language
// outside the five reads English.
TEST(MainWindowLabels, CaptionsAndMessagesOfEachLanguage) {
    using Texts = std::array<std::string_view, 5>;
    const std::pair<int, Texts> cases[] = {
        {English, {"Exit", "Save", "Advanced parameters", "Select a key", "Nothing to save"}},
        {French,
         {"Fermer", "Sauvegarder", "Paramètres avancés", "Pas de touche sélectionnée", "rien à sauvegarder"}},
        {German,
         {"Schließen", "Laden", "Fortgeschrittene parameters", "Keine Taste Auswahlen", "Nichts zu laden"}},
        {Italian, {"Fine", "Salva", "Parametri avanzati", "Nessuna tasti selezionata", "Niente a salva"}},
        {Spanish,
         {"Salir", "Guardar", "Parámetros avanzados", "Ningunos tecla seleccionado", "Nada guardar"}},
        {99, {"Exit", "Save", "Advanced parameters", "Select a key", "Nothing to save"}},
    };
    for (const auto& [language, texts] : cases) {
        const auto captions = MainWindowCaptions(language, false, false);
        EXPECT_EQ(
            (Texts{CaptionOf(captions, 1), CaptionOf(captions, 1027), CaptionOf(captions, 1022),
                   MessageText(Message::SelectKey, language), MessageText(Message::NothingToSave, language)}),
            texts)
            << language;
    }
}

TEST(MainWindowLabels, DynamicAndTransparencyButtonsFollowTheCrosshairState) {
    struct Case {
        int language;
        bool dynamic;
        bool useAlpha;
        std::string_view dynamicCaption;
        std::string_view alphaCaption;
    };
    const Case cases[] = {
        {English, false, false, "Dynamic", "Set transparency"},
        {English, true, true, "Fixed", "No transparency"},
        {French, true, false, "Fixe", "Appliquer transparence"},
        {German, false, true, "Dynamik", "Keine Transparenz"},
        {Italian, true, false, "Fisso", "Regoli l'acetato"},
        {Spanish, false, true, "Dinámico", "Ninguna transparencia"},
    };
    for (const Case& test : cases) {
        const auto captions = MainWindowCaptions(test.language, test.dynamic, test.useAlpha);
        EXPECT_EQ(CaptionOf(captions, 1072), test.dynamicCaption) << test.language;
        EXPECT_EQ(CaptionOf(captions, 1070), test.alphaCaption) << test.language;
        EXPECT_EQ(SetAlphaCaption(test.language, test.useAlpha), test.alphaCaption);
    }
}

TEST(MainWindowLabels, LanguagesOutsideTheFiveAreEnglish) {
    EXPECT_EQ(LanguageFromIndex(-1), English);
    EXPECT_EQ(LanguageFromIndex(5), English);
    EXPECT_EQ(LanguageFromIndex(4), Spanish);
}

} // namespace
} // namespace cssbinder
