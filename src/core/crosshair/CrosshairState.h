#pragma once

#include "core/crosshair/CrosshairColors.h"
#include "core/document/ConfigDocument.h"

namespace cssbinder {

// Enabled state of the four step buttons: 1062 size +, 1063 size -, 1064 transparency +,
// 1065 transparency -. A button is disabled only by a press at its limit and enabled again by a
// successful press of its partner.
struct StepButtons {
    bool sizePlus = true;
    bool sizeMinus = true;
    bool transparencyPlus = true;
    bool transparencyMinus = false;
};

// The crosshair as the main window holds it. The adjusting operations change only this state; the
// committing ones turn it into console variable lines of the configuration document.
struct CrosshairState {
    ColorRef m_crCurrent;
    ColorRef m_crDraw;
    int m_nAlpha;     // opacity 0..255 in steps of 15
    bool m_bUseAlpha; // the transparency lines are in the document
    int m_nScale;     // 200..3000 in steps of 200; smaller is a larger crosshair
    int m_nArmLength; // preview pixels
    int m_nGap;       // preview pixels
    bool m_bDynamic;  // the dynamic crosshair line is in the document
    StepButtons buttons;

    // Opaque green at scale 1200. The preview starts with arm 8 and gap 8, not the 8 and 6 that the
    // scale gives; the first size step or Dynamic brings it onto the scale's geometry.
    CrosshairState();
};

// Adjusting operations; each returns true when the preview must be repainted.
bool SelectColor(CrosshairState& state, int colorIndex);
bool TransparencyPlus(CrosshairState& state);
bool TransparencyMinus(CrosshairState& state);
bool SizePlus(CrosshairState& state);
bool SizeMinus(CrosshairState& state);

// Committing operations. Each replaces the lines of the variables it writes; the caller refreshes the
// preview box afterwards (and after ToggleDynamic and CustomSize re-applies the language first).
void UseColor(ConfigDocument& document, int colorIndex);
void ToggleSetAlpha(CrosshairState& state, ConfigDocument& document);
void ToggleDynamic(CrosshairState& state, ConfigDocument& document);
// Writes the current scale as the fixed crosshair size, which always leaves the crosshair not dynamic.
void CustomSize(CrosshairState& state, ConfigDocument& document);

} // namespace cssbinder
