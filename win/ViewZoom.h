// TEMPORARY STAND-IN for the information views' zoom rule. Replaced when the
// rich-text view lands.
#pragma once

// The m of the zoom m:width: 0.140 times the width in pixels, truncated.
int ViewZoomNumerator(int widthPixels);
