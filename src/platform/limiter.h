#pragma once
// The limiter at the end of the mix: it follows the loudest sample of the summed voices and,
// only while that stands above the limit, turns the gain down just far enough, letting it come
// back up smoothly afterwards. However many voices pile up, the output never passes the limit
// and is never clipped; below the limit the sound passes untouched.
namespace zarvo {

class Soft_Limiter {
  public:
    // limit: the highest output level (fraction of full scale); release_frames: how many
    // frames the gain takes to recover by about two thirds once the peaks have passed.
    Soft_Limiter(float limit, float release_frames);
    void Set_Release(float release_frames);

    // Limits one stereo frame in place.
    void Apply(float& left, float& right);

    float Gain() const;

  private:
    float limit_;
    float fall_;          // the envelope's decay per frame
    float envelope_ = 0;  // the recent peak level
};

}  // namespace zarvo
