#pragma once
// Drawing in two layers. The draws at the start of a frame that stay the same from frame to
// frame (the background, the arena's floor, the panel) are kept as a picture of their own, the
// still layer. A damaged part of the frame then starts as a copy of that picture and only the
// draws above it are made again, instead of every draw that reaches the part. The still
// picture itself is drawn again only where its own draws change.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/draw_list.h"
#include "platform/surface.h"

namespace zarvo {

class Still_Layer {
  public:
    // A draw that has stayed the same for this many frames counts as still.
    static constexpr uint8_t Still_Age = 8;
    // The layer's end is chosen anew every this many frames.
    static constexpr int Choose_Every = 8;

    // For pictures of width x height; everything a frame needs is made here, not while playing.
    Still_Layer(int width, int height);

    // Takes the frame `now` after `before`, compared by Find_Damage into `scratch` (or not
    // compared at all: `compared` false), and brings the still picture up to date. Answers
    // how many draws of `now`, from the first, the picture holds.
    size_t Update(const Draw_List& before, const Draw_List& now, bool compared,
                  Diff_Scratch& scratch);
    // The picture of the first Update() draws of the last frame taken.
    const Surface& Picture() const { return picture_; }
    // Where the last Update() changed the picture.
    const Damage& Changed() const { return damage_; }

  private:
    void Age(const Draw_List& now, bool compared, const Diff_Scratch& scratch);
    size_t Follow(const Diff_Scratch& scratch, bool compared, size_t n) const;
    size_t Choose() const;
    void Find_Changes(const Draw_List& before, const Draw_List& now, bool compared,
                      const Diff_Scratch& scratch, size_t end);

    Surface picture_;
    size_t end_ = 0;           // the draws of the last frame the picture holds
    bool known_ = false;       // the picture is what the draws before end_ make
    int frames_ = 0;
    std::vector<uint8_t> ages_, next_ages_;  // frames each draw of the last frame stayed
    Damage damage_;
};

}  // namespace zarvo
