#pragma once

namespace cssbinder {

class ClickablePicture;

// The banner of both dialogs is a link to the maker's web page: its address as tool-tip, the hand
// cursor over it, and a click opens it.
void MakeBannerLink(ClickablePicture& banner);

} // namespace cssbinder
