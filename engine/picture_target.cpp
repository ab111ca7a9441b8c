// The off-screen picture buffers.
#include "engine/picture_target.h"

#include <epoxy/gl.h>

#include <algorithm>

namespace engine {
namespace {

bool MakeFramebuffer(int width, int height, int samples, unsigned* framebuffer, unsigned* color,
                     unsigned* depth) {
    glGenFramebuffers(1, framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, *framebuffer);
    glGenRenderbuffers(1, color);
    glBindRenderbuffer(GL_RENDERBUFFER, *color);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, *color);
    glGenRenderbuffers(1, depth);
    glBindRenderbuffer(GL_RENDERBUFFER, *depth);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH_COMPONENT24, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, *depth);
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

}  // namespace

PixelRect PictureRectIn(int areaWidth, int areaHeight) {
    if (areaWidth <= 0 || areaHeight <= 0) return {};
    PixelRect rect;
    if (int64_t(areaWidth) * 3 >= int64_t(areaHeight) * 4) {
        rect.height = areaHeight;
        rect.width = std::max(1, areaHeight * 4 / 3);
    } else {
        rect.width = areaWidth;
        rect.height = std::max(1, areaWidth * 3 / 4);
    }
    rect.x = (areaWidth - rect.width) / 2;
    rect.y = (areaHeight - rect.height) / 2;
    return rect;
}

PictureTarget::~PictureTarget() { Release(); }

void PictureTarget::Release() {
    for (unsigned* framebuffer : {&plainFramebuffer_, &multiFramebuffer_}) {
        if (*framebuffer) glDeleteFramebuffers(1, framebuffer);
        *framebuffer = 0;
    }
    for (unsigned* buffer : {&plainColor_, &plainDepth_, &multiColor_, &multiDepth_}) {
        if (*buffer) glDeleteRenderbuffers(1, buffer);
        *buffer = 0;
    }
    width_ = height_ = samples_ = 0;
}

bool PictureTarget::Prepare(int width, int height, int samples) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == width_ && height == height_ && samples == samples_ && plainFramebuffer_) return true;
    Release();
    GLint maxSamples = 0;
    glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
    samples = std::clamp(samples, 0, int(maxSamples));
    bool ok = MakeFramebuffer(width, height, 0, &plainFramebuffer_, &plainColor_, &plainDepth_);
    if (ok && samples > 1) {
        ok = MakeFramebuffer(width, height, samples, &multiFramebuffer_, &multiColor_, &multiDepth_);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    width_ = width;
    height_ = height;
    samples_ = samples;
    return ok;
}

void PictureTarget::BindForDrawing() const {
    glBindFramebuffer(GL_FRAMEBUFFER, multiFramebuffer_ ? multiFramebuffer_ : plainFramebuffer_);
}

void PictureTarget::Resolve() const {
    if (!multiFramebuffer_) return;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, multiFramebuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, plainFramebuffer_);
    glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT, GL_NEAREST);
}

void PictureTarget::BlitTo(const PixelRect& rect) const {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, plainFramebuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    const bool sameSize = rect.width == width_ && rect.height == height_;
    glBlitFramebuffer(0, 0, width_, height_, rect.x, rect.y, rect.x + rect.width, rect.y + rect.height,
                      GL_COLOR_BUFFER_BIT, sameSize ? GL_NEAREST : GL_LINEAR);
}

std::vector<uint8_t> PictureTarget::ReadPixels() const {
    std::vector<uint8_t> pixels(size_t(width_) * height_ * 4);
    if (pixels.empty()) return pixels;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, plainFramebuffer_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    const size_t row = size_t(width_) * 4;
    for (int y = 0; y < height_ / 2; ++y) {
        std::swap_ranges(pixels.begin() + y * row, pixels.begin() + (y + 1) * row,
                         pixels.begin() + (height_ - 1 - y) * row);
    }
    return pixels;
}

}  // namespace engine
