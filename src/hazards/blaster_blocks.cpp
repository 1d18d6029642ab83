// Blocks: flames settled on the edge bar their cell to the player until they are shot, burn
// out or lose their tile.
#include "hazards/hazard_places.h"
#include "hazards/hazards.h"

namespace zarvo {

namespace {

constexpr int Block_Score = 111;
// A block burns this many frames past its flame's life.
constexpr int Block_Afterburn = 50;

// A shot hits every flame slot of a place that holds or held a Blaster, whatever the slot is
// doing: a waiting flame sits in the Blaster's centre cell, a spent one at its last cell. The
// slots of a place that never held one have no cell in the arena.
bool Place_Has_Flames(const Blaster_Rec& b) {
    return b.Present || b.Exploding;
}

void Remove_Block(Game& g, Flame_Rec& fl) {
    // Only a block owns its Blocker_Grid cell; another block may stand where a flame flies.
    if (fl.Flame_Block) g.w.arena.Blocker_Grid.set(fl.Flame_Col, fl.Flame_Row, No_Code);
    fl.Flame_Block = false;
    fl.Flame_On = false;
    fl.Flame_Burst = true;
}

void Burn_Block(Game& g, Flame_Rec& fl) {
    ++fl.Flame_Tick;
    if (fl.Flame_Tick >= fl.Flame_Life + Block_Afterburn) {
        Remove_Block(g, fl);
        return;
    }
    g.m.Draw_Image(Img1::Blaster_Blocker, fl.Flame_X, fl.Flame_Y);
    if (Floor_At(g.w.arena.Floor_Grid, fl.Flame_Col, fl.Flame_Row) == Floor::Gone)
        Remove_Block(g, fl);
}

}  // namespace

void Blaster_Blocker(Game& g) {
    for (int place = 1; place <= Hazard_Places; ++place) {
        if (!Place_Has_Flames(g.w.hazards.Blaster[place])) continue;
        for (int f = 1; f <= Flames_Per_Place; ++f) {
            Flame_Rec& fl = g.w.hazards.Blaster[place].Flame[f];
            if (g.w.arena.Shot_Grid(fl.Flame_Col, fl.Flame_Row) == Shot_Mark) {
                g.w.game.Score += Block_Score;
                Remove_Block(g, fl);
            }
            if (fl.Flame_Block) Burn_Block(g, fl);
        }
    }
}

}  // namespace zarvo
