// PictureTarget: the off-screen 4:3 picture every frame is drawn into, then shown centred in the window.
//
// With multisampling the picture is drawn into a multisampled buffer and resolved
// into the plain one; the plain one always holds the last finished picture, which
// iFrameCapture reads.
#pragma once

#include <cstdint>
#include <vector>

namespace engine {

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;  // y counted from the bottom, as OpenGL does
};

// The largest 4:3 rectangle centred in a drawing area of the given size.
PixelRect PictureRectIn(int areaWidth, int areaHeight);

class PictureTarget {
public:
    PictureTarget() = default;
    PictureTarget(const PictureTarget&) = delete;
    PictureTarget& operator=(const PictureTarget&) = delete;
    ~PictureTarget();

    // (Re)makes the buffers when the size or sample count changed; false if OpenGL refused.
    bool Prepare(int width, int height, int samples);
    void BindForDrawing() const;
    void Resolve() const;  // multisampled into plain; nothing without multisampling
    // Copies the plain picture into rect of the window's default framebuffer.
    void BlitTo(const PixelRect& rect) const;
    // The plain picture as RGBA rows, top row first.
    std::vector<uint8_t> ReadPixels() const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    void Release();

    int width_ = 0, height_ = 0, samples_ = 0;
    unsigned plainFramebuffer_ = 0, plainColor_ = 0, plainDepth_ = 0;
    unsigned multiFramebuffer_ = 0, multiColor_ = 0, multiDepth_ = 0;
};

}  // namespace engine
