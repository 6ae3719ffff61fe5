// The label tables themselves are the texts; these tests hold what the tables do not say alone: the
// order controls are labelled in, which column each language reads, the captions that follow state,
// the placeholders of the messages, and which languages have their own tool-tips.
#include "core/advanced/AdvancedDialogLabels.h"
#include "core/lang/GammaDialogLabels.h"
#include "core/lang/MainWindowLabels.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <vector>

namespace cssbinder {
namespace {

std::vector<int> Ids(const std::vector<ControlCaption>& captions) {
    std::vector<int> ids;
    for (const ControlCaption& caption : captions) {
        ids.push_back(caption.controlId);
    }
    return ids;
}

std::string_view CaptionOf(const std::vector<ControlCaption>& captions, int controlId) {
    for (const ControlCaption& caption : captions) {
        if (caption.controlId == controlId) {
            return caption.text;
        }
    }
    return "<none>";
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

// The Dynamic (1072) and transparency (1070) buttons follow the crosshair's state.
TEST(MainWindowLabels, CaptionsInOrderAndTheStateButtonsInEveryLanguage) {
    const std::vector<int> order{1,    1027, 1034, 1032, 1033, 1020, 1035, 1048, 1052, 1053, 1047,
                                 1050, 1051, 1049, 1012, 1015, 1016, 1013, 1002, 1011, 1010, 1014,
                                 1030, 1018, 1019, 1031, 1066, 1058, 1057, 1059, 1056, 1060, 1065,
                                 1064, 1063, 1062, 1073, 1072, 1070, 1071, 1040, 1022};
    const std::tuple<int, bool, const char*> rows[] = {
        {1072, false, "Dynamic|Dynamique|Dynamik|Dinamico|Dinámico"},
        {1072, true, "Fixed|Fixe|Fest|Fisso|Fijo"},
        {1070, true,
         "Set transparency|Appliquer transparence|Transparenz speichern|Regoli l'acetato|Aplicar "
         "transparencia"},
        {1070, false,
         "No transparency|Pas de transparence|Keine Transparenz|Nessun acetato|Ninguna "
         "transparencia"},
    };
    for (const auto& [language, readAs] : kLanguages) {
        for (const bool dynamic : {false, true}) {
            // The transparency is set while the crosshair is fixed in these rows.
            const auto captions = MainWindowCaptions(language, dynamic, !dynamic);
            EXPECT_EQ(Ids(captions), order);
            for (const auto& [controlId, whenDynamic, texts] : rows) {
                if (whenDynamic == dynamic) {
                    EXPECT_EQ(CaptionOf(captions, controlId), Part(texts, readAs)) << controlId << language;
                }
            }
            EXPECT_EQ(SetAlphaCaption(language, !dynamic), CaptionOf(captions, 1070));
        }
        EXPECT_EQ(MessageText(Message::CannotWrite, language),
                  Part("Cannot write %1: %2|Impossible d'écrire %1 : %2|%1 kann nicht geschrieben werden: "
                       "%2|Impossibile scrivere %1: %2|No se puede escribir %1: %2",
                       readAs));
    }
    EXPECT_EQ(std::tuple(LanguageFromIndex(-1), LanguageFromIndex(4), LanguageFromIndex(5)),
              std::tuple(English, Spanish, English));
}

// Both Default buttons alike; tool-tips are French for French, English for every other language. The
// gamma dialog's notes read each language's column too.
TEST(DialogLabels, AdvancedCaptionsAndToolTipsAndGammaNotesInEveryLanguage) {
    const std::vector<int> boxes{1073, 1074, 1075, 1080, 1076, 1077, 1079, 1081, 1083, 1084, 1082};
    std::vector<int> captionOrder = boxes;
    captionOrder.insert(captionOrder.end(), {1092, 1108, 1107, 1093, 1094, 1095});
    for (const auto& [language, readAs] : kLanguages) {
        const auto captions = AdvancedDialogCaptions(language);
        EXPECT_EQ(Ids(captions), captionOrder);
        EXPECT_EQ(CaptionOf(captions, 1073), Part("Rain|Pluie|Regen|Pioggia|Lluvia", readAs));
        EXPECT_EQ(CaptionOf(captions, 1094), Part("Default|Défaut|Rückstellung|Difetto|Defecto", readAs));
        EXPECT_EQ(CaptionOf(captions, 1095), CaptionOf(captions, 1094));
        const auto toolTips = AdvancedDialogToolTips(language);
        EXPECT_EQ(Ids(toolTips), boxes);
        EXPECT_EQ(CaptionOf(toolTips, 1084), Part("Desactivate fog if unchecked|Déscative le brouillard si "
                                                  "décochée",
                                                  readAs == French ? 1 : 0));
        EXPECT_TRUE(GammaNoteText(GammaNote::RampUnreadable, language)
                        .starts_with(Part("The screen's|Le gamma de l'|Das Gamma des|Non è stato|No se pudo",
                                          readAs)));
    }
}

} // namespace
} // namespace cssbinder
