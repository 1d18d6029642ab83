#include "platform/scaling.h"

#include <algorithm>

namespace zarvo {

namespace {

// Division rounding towards minus infinity, so that pixels left of the picture map to -1.
int Floor_Div(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

int Largest_Fitting_Scale(Size area, Size picture) {
    if (picture.Width <= 0 || picture.Height <= 0) return 1;
    return std::max(1, std::min(area.Width / picture.Width, area.Height / picture.Height));
}

int Fit_Scale(int requested, Size usable, Size picture) {
    return std::max(1, std::min(requested, Largest_Fitting_Scale(usable, picture)));
}

View Centred_View(Size area, Size picture) {
    View v;
    v.Scale = Largest_Fitting_Scale(area, picture);
    v.Width = picture.Width * v.Scale;
    v.Height = picture.Height * v.Scale;
    v.X = std::max(0, (area.Width - v.Width) / 2);
    v.Y = std::max(0, (area.Height - v.Height) / 2);
    return v;
}

void Area_To_Picture(const View& v, int area_x, int area_y, int& x, int& y) {
    x = Floor_Div(area_x - v.X, v.Scale);
    y = Floor_Div(area_y - v.Y, v.Scale);
}

void Picture_To_Area(const View& v, int x, int y, int& area_x, int& area_y) {
    area_x = v.X + x * v.Scale;
    area_y = v.Y + y * v.Scale;
}

}  // namespace zarvo
