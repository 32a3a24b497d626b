#pragma once

#include <memory>

#include "model/canvas_host.h"
#include "support/recording_surface.h"

// A work-area host that counts what the canvas asked of it.
class RecordingHost : public CanvasHost {
 public:
  RecordingHost(int width = 446, int height = 286) : Control(width, height), width_(width), height_(height) {}

  void Repaint() override { ++Repaints; }
  int ClientWidth() const override { return width_; }
  int ClientHeight() const override { return height_; }
  void SetCursor(int cursor) override { Cursor = cursor; }
  void ProcessMessages() override { ++MessagePumps; }
  Surface* ControlSurface() override { return &Control; }
  std::unique_ptr<Surface> CreateOffscreen(int width, int height) override {
    ++Offscreens;
    return std::make_unique<RecordingSurface>(width, height);
  }
  void CopyToControl(Surface&) override { ++Copies; }
  void Resize(int width, int height) {
    width_ = width;
    height_ = height;
  }

  RecordingSurface Control;
  int Repaints = 0;
  int Cursor = 0;
  int MessagePumps = 0;
  int Offscreens = 0;
  int Copies = 0;

 private:
  int width_;
  int height_;
};
