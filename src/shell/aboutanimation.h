#pragma once

#include <optional>

// The About box's closing animation: it glides towards the top-left corner
// of the screen, back down and to the right while it fades, then closes.
// The window's width goes into the top and its height into the left, which
// gives the glide its slant.

namespace modVelmora {

class AboutAnimation {
public:
    enum Stage { MovingOut = 0, MovingBack = 1, Finished = 2 };

    struct Step {
        float top = 0;   // twips
        float left = 0;  // twips
        bool fade = false;   // the fade runs alongside the way back
        bool close = false;  // the last tick: play the closing sound and close
    };

    // One tick, with the screen's and the window's outer sizes in twips.
    Step tick(double screenWidth, double screenHeight, double windowWidth, double windowHeight);

    int stage() const { return stage_; }
    float scale() const { return scale_; }
    // The timer's interval for the next tick: 2 ms out, 5 ms back.
    int intervalMs() const { return stage_ == MovingOut ? 2 : 5; }
    void reset();

private:
    int stage_ = MovingOut;
    float scale_ = 0;
};

inline constexpr int kOpaque = 255;

// The next opacity of the fade (255 steps down by 35 to 10), or none once it can go no lower.
std::optional<int> NextFadeLevel(int alpha);

}  // namespace modVelmora
