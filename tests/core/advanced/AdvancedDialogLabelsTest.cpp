#include "core/advanced/AdvancedDialogLabels.h"
#include "core/lang/Language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>

namespace cssbinder {
namespace {

std::string_view CaptionOf(const std::vector<ControlCaption>& captions, int controlId) {
    const auto found = std::ranges::find(captions, controlId, &ControlCaption::controlId);
    return found == captions.end() ? std::string_view("<missing>") : found->text;
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

} // namespace
} // namespace cssbinder
