#pragma once

namespace zarvo {

// On X, an error the server answers to one of our requests (a pointer barrier it will not
// make, a window that is already gone) is told once on stderr and otherwise ignored: Xlib's
// own handler would end the game on the spot, the game in progress lost.
void Keep_X_Errors_Harmless();

}  // namespace zarvo
