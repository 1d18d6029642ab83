#pragma once
// Showing the game's picture in a window or on a whole display by a whole-number factor:
// the largest factor that fits, the picture centred with black around it, and the pointer
// mapped back to picture pixels so that a click lands where it would at factor 1.
namespace zarvo {

struct Size {
    int Width = 0, Height = 0;
    bool operator==(const Size&) const = default;
};

// Where the picture stands in an area: scaled by Scale, its top-left corner at (X, Y).
struct View {
    int Scale = 1;
    int X = 0, Y = 0;
    int Width = 0, Height = 0;  // the scaled picture
    bool operator==(const View&) const = default;
};

// The largest factor (at least 1) by which the picture fits the area.
int Largest_Fitting_Scale(Size area, Size picture);

// The requested factor, or the largest smaller one whose window fits the usable area
// (never below 1).
int Fit_Scale(int requested, Size usable, Size picture);

// The picture scaled by the largest fitting factor and centred in the area.
View Centred_View(Size area, Size picture);

// The picture pixel under an area pixel; pixels outside the picture answer the nearest
// picture coordinate beyond its edge (the caller clamps).
void Area_To_Picture(const View& view, int area_x, int area_y, int& x, int& y);
// The area pixel where a picture pixel's top-left corner is shown.
void Picture_To_Area(const View& view, int x, int y, int& area_x, int& area_y);

}  // namespace zarvo
