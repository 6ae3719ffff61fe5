#include "core/advanced/AdvancedDialogLabels.h"

#include <array>

namespace cssbinder {
namespace {

struct LabelRow {
    int controlId;
    Texts texts;
};

constexpr int kDirectXDefault = 1094;
constexpr int kConnectionDefault = 1095;

constexpr auto kCaptions = std::to_array<LabelRow>({
    {1073, {"Rain", "Pluie", "Regen", "Pioggia", "Lluvia"}},
    {1074, {"Shadows", "Ombres", "Schatten", "Ombre", "Sombras"}},
    {1075, {"Blood", "Sang", "Blut", "Anima", "Sangre"}},
    {1080, {"C4 dyn. light", "Lumière C4 dyn.", "Dyn. C4 Licht", "Luce dinamica C4", "Luz dinámica c4"}},
    {1076, {"Tags", "Tags", "Sprays", "Spray", "Spray"}},
    {1077, {"Bump mapping", "Bump mapping", "Bump mapping", "Bump mapping", "Bump mapping"}},
    {1079, {"Dyn. lights", "Lumières dyn.", "Dyn. Lichter", "Luce dinamica", "Luz dinámica"}},
    {1081, {"Mipmap", "Mipmap", "Mipmap", "Mipmap", "Mipmap"}},
    {1083, {"Vertex", "Vertex", "Vertex", "Vertex", "Vertex"}},
    {1084, {"Fog", "Brouillard", "Nebel", "Nebbia", "Niebla"}},
    {1082,
     {"Eyes movements", "Mouvements des yeux", "Augen Bewegung", "Movimento degli occhi",
      "Movimientos de los ojos"}},
    {1092,
     {"Change menu background", "Changer le fond du menu", "CS background wechseln",
      "Cambi il CSS Background", "Cambie el CSS Background"}},
    {1108,
     {"Connection Optimizations", "Optimisations de la connection", "Verbindungs Optimierung",
      "Ottimizzazione di Conection", "Optimizaciones de la conexión"}},
    {1107,
     {"Graphics Optimizations", "Optimisations des graphismes", "Graphiks Optimierung",
      "Ottimizzazione dei grafici", "Optimizaciones gráficas"}},
    {1093, {"Report bug", "Déclarer bug", "Zu erklären bug", "Dichiarare bug", "Declarar bug"}},
});
constexpr Texts kDefault{"Default", "Défaut", "Rückstellung", "Difetto", "Defecto"};

struct ToolTipRow {
    int controlId;
    std::string_view english;
    std::string_view french;
};

constexpr auto kToolTips = std::to_array<ToolTipRow>({
    {1073, "Desactivate rain if unchecked", "Désactive la pluie si décochée"},
    {1074, "Desactivate shadows if unchecked", "Désactive les ombres si décochée"},
    {1075, "Desactivate blood if unchecked", "Désactive le sang si décochée"},
    {1080, "Desactivate dynamic light on C4 if unchecked",
     "Désactive la lumière dynamique sur la bombe si décochée"},
    {1076, "Desactivate sprays if unchecked", "Désactive les tags si décochée"},
    {1077, "Desactivate bump mapping if unchecked", "Désactive le bump mapping si décochée"},
    {1079, "Desactivate dynamic lights if unchecked", "Désactive les lumières dynamiques si décochée"},
    {1081, "Desactivate mipmapping if unchecked", "Désactive le mipmapping si décochée"},
    {1083, "Reduce geometry if unchecked", "Reduit la géométrie si décochée"},
    {1084, "Desactivate fog if unchecked", "Déscative le brouillard si décochée"},
    {1082, "Desactivate eyes movements if unchecked", "Désactive le mouvement des yeux si décochée"},
});

} // namespace

std::vector<ControlCaption> AdvancedDialogCaptions(int language) {
    std::vector<ControlCaption> captions;
    captions.reserve(kCaptions.size() + 2);
    for (const LabelRow& row : kCaptions) {
        captions.push_back({row.controlId, TextIn(row.texts, language)});
    }
    captions.push_back({kDirectXDefault, TextIn(kDefault, language)});
    captions.push_back({kConnectionDefault, TextIn(kDefault, language)});
    return captions;
}

std::vector<ControlCaption> AdvancedDialogToolTips(int language) {
    const bool french = LanguageFromIndex(language) == French;
    std::vector<ControlCaption> toolTips;
    toolTips.reserve(kToolTips.size());
    for (const ToolTipRow& row : kToolTips) {
        toolTips.push_back({row.controlId, french ? row.french : row.english});
    }
    return toolTips;
}

} // namespace cssbinder
