#include "core/lang/MainWindowLabels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

namespace cssbinder {
namespace {

std::string_view CaptionOf(const std::vector<ControlCaption>& captions, int controlId) {
    const auto found = std::find_if(captions.begin(), captions.end(), [controlId](const ControlCaption& c) {
        return c.controlId == controlId;
    });
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

TEST(MainWindowLabels, CaptionsAndMessagesOfEachLanguage) {
    struct Case {
        int language;
        std::array<std::string_view, 4> captions; // Exit, Save, upper flashbang box, Advanced
        std::array<std::string_view, 4> messages; // nothing to say, to add, no key, nothing to save
    };
    const Case cases[] = {
        {English,
         {"Exit", "Save", "Flashbang 2", "Advanced parameters"},
         {"Nothing to say", "Nothing to add", "Select a key", "Nothing to save"}},
        {French,
         {"Fermer", "Sauvegarder", "Grenade aveuglante 2", "Paramètres avancés"},
         {"Rien à dire", "Rien à ajouter", "Pas de touche sélectionnée", "rien à sauvegarder"}},
        {German,
         {"Schließen", "Laden", "Blengranate 2", "Fortgeschrittene parameters"},
         {"Nichts zu sagen", "Nichts hinzuzufügen", "Keine Taste Auswahlen", "Nichts zu laden"}},
        {Italian,
         {"Fine", "Salva", "Flashbang 2", "Parametri avanzati"},
         {"Niente dire", "Niente aggiungere", "Nessuna tasti selezionata", "Niente a salva"}},
        {Spanish,
         {"Salir", "Guardar", "Bengala 2", "Parámetros avanzados"},
         {"Nada decir", "Nada agregar", "Ningunos tecla seleccionado", "Nada guardar"}},
    };
    for (const Case& test : cases) {
        const auto captions = MainWindowCaptions(test.language, false, false);
        EXPECT_EQ((std::array{CaptionOf(captions, 1), CaptionOf(captions, 1027), CaptionOf(captions, 1010),
                              CaptionOf(captions, 1022)}),
                  test.captions);
        EXPECT_EQ((std::array{MessageText(Message::NothingToSay, test.language),
                              MessageText(Message::NothingToAdd, test.language),
                              MessageText(Message::SelectKey, test.language),
                              MessageText(Message::NothingToSave, test.language)}),
                  test.messages);
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
    EXPECT_EQ(MessageText(Message::SelectKey, 7), "Select a key");
    EXPECT_EQ(CaptionOf(MainWindowCaptions(99, false, false), 1027), "Save");
}

} // namespace
} // namespace cssbinder
