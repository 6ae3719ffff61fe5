#include "core/lang/MainWindowLabels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace cssbinder {
namespace {

std::string_view CaptionOf(const std::vector<ControlCaption>& captions, int controlId) {
    const auto found = std::find_if(captions.begin(), captions.end(),
                                    [controlId](const ControlCaption& c) { return c.controlId == controlId; });
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

TEST(MainWindowLabels, CaptionsPerLanguage) {
    struct Row {
        int controlId;
        Texts texts;
    };
    const Row rows[] = {
        {1, {"Exit", "Fermer", "Schließen", "Fine", "Salir"}},
        {1010, {"Flashbang 2", "Grenade aveuglante 2", "Blengranate 2", "Flashbang 2", "Bengala 2"}},
        {1011, {"Flashbang 1", "Grenade aveuglante 1", "Blendgranate 1", "Flashbang 1", "Bengala 1"}},
        {1032, {"Bind \"Say\"", "Ajouter bind pour parler", "Taste um zu sprechen", "Aggiunga tasti per parlare",
                "Pulse botón para hablar"}},
        {1073, {"Set", "Appliquer", "Speichern", "Applicare", "Aplicar tamaño"}},
        {1071, {"Set colour", "Appliquer", "Speichern", "Applicare", "Aplicar"}},
        {1022, {"Advanced parameters", "Paramètres avancés", "Fortgeschrittene parameters", "Parametri avanzati",
                "Parámetros avanzados"}},
    };
    for (int language = English; language <= Spanish; ++language) {
        const auto captions = MainWindowCaptions(language, false, false);
        for (const Row& row : rows) {
            EXPECT_EQ(CaptionOf(captions, row.controlId), row.texts[language])
                << "control " << row.controlId << " language " << language;
        }
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

TEST(MainWindowLabels, MessagesPerLanguage) {
    struct Row {
        Message message;
        Texts texts;
    };
    const Row rows[] = {
        {Message::NothingToAdd, {"Nothing to add", "Rien à ajouter", "Nichts hinzuzufügen", "Niente aggiungere",
                                 "Nada agregar"}},
        {Message::NothingToSay, {"Nothing to say", "Rien à dire", "Nichts zu sagen", "Niente dire", "Nada decir"}},
        {Message::SelectKey, {"Select a key", "Pas de touche sélectionnée", "Keine Taste Auswahlen",
                              "Nessuna tasti selezionata", "Ningunos tecla seleccionado"}},
        {Message::NothingToSave, {"Nothing to save", "rien à sauvegarder", "Nichts zu laden", "Niente a salva",
                                  "Nada guardar"}},
        {Message::CannotWrite, {"Cannot write %1: %2", "Impossible d'écrire %1 : %2",
                                "%1 kann nicht geschrieben werden: %2", "Impossibile scrivere %1: %2",
                                "No se puede escribir %1: %2"}},
    };
    for (const Row& row : rows) {
        for (int language = English; language <= Spanish; ++language) {
            EXPECT_EQ(MessageText(row.message, language), row.texts[language]);
        }
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
