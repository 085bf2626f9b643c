// The display zoom of the information views: their text is drawn at 0.140 of
// the view's width over its width, so it keeps one size whatever the width.
#pragma once

// The m of the zoom m:width: 0.140 times the width in pixels, truncated.
int ViewZoomNumerator(int widthPixels);
