#pragma once
// The whole catalogue painted and synthesised in memory: exactly what the game loads from the
// files the generator writes with the same seed, for a program that starts without files.
#include <cstdint>

#include "platform/media.h"

namespace assetgen {

// The seed of the pictures and sounds that the build generates.
inline constexpr uint32_t Default_Seed = 1995;

zarvo::Assets Generate_Assets(uint32_t seed = Default_Seed);

// The same catalogue made one item at a time (every image of the four lists in order, then
// every wave), so that a program can answer its user between items and show how far it is.
class Asset_Maker {
  public:
    explicit Asset_Maker(uint32_t seed = Default_Seed);

    bool Done() const { return next_ >= Total(); }
    // Paints or synthesises the next item; does nothing once every item is made.
    void Make_Next();
    int Made() const { return next_; }
    static int Total();
    // The catalogue, once Done(); the maker is empty afterwards.
    zarvo::Assets Take();

  private:
    uint32_t seed_;
    int next_ = 0;
    zarvo::Assets out_;
};

}  // namespace assetgen
