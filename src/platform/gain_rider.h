#pragma once
// The slow gain control at the head of the master stage. It follows the mix's loudness (its
// power over the last 50 ms or so) and, only while that stands above a threshold, rides the
// level down gently: a soft ratio, a gain that sinks over tens of milliseconds and climbs back
// over most of a second, moved in small steps sample by sample so that it never flutters with
// the waveform nor pumps with single blasts. What it lets through the limiter then catches.
namespace zarvo {

class Gain_Rider {
  public:
    static constexpr int Update_Frames = 16;  // the target is worked out this often

    Gain_Rider() = default;
    // threshold: the power level (fraction of full scale, as RMS) above which it works;
    // ratio: how many dB over the threshold become one dB over it.
    Gain_Rider(float threshold, float ratio, float rate);

    // Scales one stereo frame in place.
    void Apply(float& left, float& right) {
        power_ += power_fall_ * ((left * left + right * right) * 0.5f - power_);
        if (++counted_ == Update_Frames) Aim();
        gain_ += step_;
        left *= gain_;
        right *= gain_;
    }
    float Gain() const { return gain_; }

  private:
    void Aim();

    float threshold_power_ = 1, exponent_ = 0;
    float power_fall_ = 1, sink_ = 1, climb_ = 1;  // per-sample and per-update coefficients
    float power_ = 0, gain_ = 1, step_ = 0;
    int counted_ = 0;
};

}  // namespace zarvo
