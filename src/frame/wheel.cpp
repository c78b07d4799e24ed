#include "frame/wheel.h"

namespace frame {

WheelMessage MakeWheelMessage(int32_t keys, int32_t rotation, int32_t screenX, int32_t screenY) {
  WheelMessage message;
  message.Keys = keys & 0xFFFF;
  message.Rotation = rotation;
  message.X = screenX & 0xFFFF;
  message.Y = screenY;
  return message;
}

int WheelNotches::Add(int32_t delta) {
  // A change of direction forgets what was left over from the other one.
  if ((delta > 0 && pending_ < 0) || (delta < 0 && pending_ > 0)) pending_ = 0;
  pending_ += delta;
  const int notches = pending_ / kWheelNotch;
  pending_ -= notches * kWheelNotch;
  return notches;
}

int32_t WheelStep(int32_t value, int32_t min, int32_t max, int32_t smallChange, int32_t rotation) {
  const int32_t d = max > min ? 1 : (max < min ? -1 : 0);
  int32_t v = 0;
  if (rotation > 0) {
    v = value - d * smallChange;
    if (d == 1 ? v < min : v > min) v = min;
  } else {
    v = value + d * smallChange;
    if (d == 1 ? v > max : v < max) v = max;
  }
  return v;
}

}  // namespace frame
