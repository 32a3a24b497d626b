#pragma once

#include <memory>

class Surface;

// What the work area needs from the control that shows it. The GUI's widget implements
// it; tests use a recording double.
class CanvasHost {
 public:
  virtual ~CanvasHost() = default;

  // Ask for a repaint of the whole control (the platform calls Paint later).
  virtual void Repaint() = 0;
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  // 0 is the default cursor, 8 the dropper.
  virtual void SetCursor(int cursor) = 0;
  // Let pending platform messages run (progress displays during long operations).
  virtual void ProcessMessages() = 0;
  // The control's own surface, valid during a paint or a mouse message.
  virtual Surface* ControlSurface() = 0;
  // An off-screen image of the given size with its own surface (double buffering).
  virtual std::unique_ptr<Surface> CreateOffscreen(int width, int height) = 0;
  // Copy an off-screen surface made by CreateOffscreen onto the control at (0, 0).
  virtual void CopyToControl(Surface& offscreen) = 0;
};
