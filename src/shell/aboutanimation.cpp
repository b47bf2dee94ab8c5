#include "shell/aboutanimation.h"

namespace modVelmora {

namespace {

constexpr float kScaleStep = 0.5f;
constexpr float kTurningScale = 25;
constexpr float kLastScale = 0.1f;  // never 0: it divides
constexpr int kFadeStep = 35;

}  // namespace

void AboutAnimation::reset() {
    stage_ = MovingOut;
    scale_ = 0;
}

AboutAnimation::Step AboutAnimation::tick(double screenWidth, double screenHeight, double windowWidth,
                                          double windowHeight) {
    Step step;
    if (stage_ == Finished) {
        reset();
        step.close = true;
        return step;
    }
    if (stage_ == MovingOut) {
        scale_ = scale_ + kScaleStep;
    } else {
        step.fade = true;
        scale_ = scale_ - kScaleStep;
        if (scale_ <= 0) {
            scale_ = kLastScale;
            stage_ = Finished;
        }
    }
    step.top = static_cast<float>((screenHeight - windowWidth) / scale_);
    step.left = static_cast<float>((screenWidth - windowHeight) / (scale_ + 1.0));
    if (stage_ == MovingOut && scale_ >= kTurningScale) stage_ = MovingBack;
    return step;
}

std::optional<int> NextFadeLevel(int alpha) {
    if (alpha < kFadeStep) return std::nullopt;
    return alpha - kFadeStep;
}

}  // namespace modVelmora
