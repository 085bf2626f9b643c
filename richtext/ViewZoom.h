// The display zoom of the information views: their text is drawn at 0.140 of
// the view's width over its width, so it keeps one size whatever the width.
#pragma once

// The m of the zoom m:width: 0.140 times the width in pixels, truncated.
int ViewZoomNumerator(int widthPixels);

struct ViewZoom {
    int m;
    int d;
};

// The zoom of a view widthPixels wide on a screen of dpi dots per inch: at 96
// DPI exactly ViewZoomNumerator(width):width; on a denser screen the text
// grows by dpi/96, as the controls around it do. d is 0 for a view of no width.
ViewZoom ViewZoomFor(int widthPixels, int dpi);
