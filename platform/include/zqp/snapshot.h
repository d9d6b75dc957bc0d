#pragma once
// Pictures of views and windows as a person would see them: controls drawn
// plainly (frames, titles, values, greyed when disabled, pop-up titles,
// check marks, table rows) and custom views by their own draw handlers.
#include <memory>
#include <string>

#include "zqp/export.h"
#include "zqp/graphics.h"
#include "zqp/window.h"

namespace zqp {

// Draws the view and its visible subviews; ctx's user space is the view's
// superview's coordinates (the view lands at its frame).
ZQP_API void DrawViewHierarchy(View& view, GraphicsContext& ctx);

// The view on the window background, in a context of its frame's size.
// Afterwards the context's user space is the view's own coordinates, so
// pixelAtPoint reads the view by its own points.
ZQP_API std::unique_ptr<GraphicsContext> SnapshotView(View& view);

// The window's content under a title bar with the window's title; `title`
// stands in for a panel shown without a window.
ZQP_API std::unique_ptr<GraphicsContext> SnapshotWindow(Window& window);
ZQP_API std::unique_ptr<GraphicsContext> SnapshotPanel(View& content, const std::string& title);

// The pixel of the view whose lower-left corner (upper-left in a flipped
// view) is the point (x, y) of the view's own coordinates.
ZQP_API Pixel PixelOfView(View& view, double x, double y);

}  // namespace zqp
