#pragma once

#include "assets/generator/Image.h"

namespace penderlin::Assets {

// Main window background, 640 x 480 with 256 colours: blue sky and white clouds. The window
// shows only its top-left 323 x 144 pixels, so clouds are placed there. Made of flat horizontal
// bands and few cloud levels so that it run-length encodes small.
IndexedImage DrawSky();

// NT window background, 374 x 383 with 128 greys: light paper grain and an embossed woven band
// across the lower third, light enough for black text on top.
IndexedImage DrawPaper();

// The palette index that stands for transparent in the banner: magenta, RGB(255, 0, 255).
inline constexpr std::uint8_t kBannerTransparentIndex = 0;

// Windows 98/95 window banner, 401 x 47 with 64 colours: the four-pane emblem, the wordmark
// "Windows 98" and a four-coloured line to the right edge, on the transparent colour. Edges are
// blended towards the dark blue RGB(0, 0, 192) that the window shows through it.
IndexedImage DrawBanner();

} // namespace penderlin::Assets
