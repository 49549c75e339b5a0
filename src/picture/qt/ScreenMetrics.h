#pragma once

namespace pluvane {

// The reference device a picture is recorded against: its size in pixels and
// in millimetres fixes the picture's physical size.
struct ScreenMetrics {
    int widthPx = 0;
    int heightPx = 0;
    int widthMm = 0;
    int heightMm = 0;

    bool isUsable() const { return widthPx > 0 && heightPx > 0 && widthMm > 0 && heightMm > 0; }
    bool operator==(const ScreenMetrics&) const = default;
};

// The primary screen as Qt reports it. A screen that reports no physical
// size is taken at 96 pixels per inch. Needs a QGuiApplication.
ScreenMetrics primaryScreenMetrics();

} // namespace pluvane
