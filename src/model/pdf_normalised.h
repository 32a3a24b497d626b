#pragma once

#include "model/pdf_object.h"

// Objects that must never be drawn inside out: Left <= Right and Top <= Bottom after
// every edit. Turning an object round mirrors its gradient so it keeps its direction.
class TPDFNormalised : public TPDFObject {
 public:
  using TPDFObject::TPDFObject;
  void Normalise() override;
};
