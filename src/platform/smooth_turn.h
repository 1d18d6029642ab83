#pragma once
// Turned draws that enlarge their image (a figure spinning down from three times its size, a
// pilot high above the floor) are filtered: stepping through the source pixel by pixel would
// show every source pixel as a block with a stepped edge.
#include "platform/surface.h"

namespace zarvo {

// Whether a turned draw shows its image larger than it is, across or along.
bool Turn_Enlarges(const Image& img, const Turn& t);

// The turned draw, filtered: each pixel takes the four source pixels around the place it falls
// on, weighted by nearness. Key-coloured pixels and those beyond the image's frame weigh as
// see-through, and the part seen through keeps the picture beneath, so the outline is smooth
// rather than stepped. Only the pixels of `area` are touched.
void Draw_Image_Turned_Smooth(Surface& s, const Image& img, int x, int y, const Turn& t,
                              const Pixel_Rect& area);

}  // namespace zarvo
