// The mouse wheel of the main window: every notch scrolls the current table's grid by one
// row. Plain C++; the window feeds it the wheel events it intercepts.
#pragma once

#include <cstdint>

namespace frame {

inline constexpr int32_t kWheelNotch = 120;

// What MouseWheel receives for one notch: the mouse-button and modifier state (1 left,
// 2 right, 4 Shift, 8 Ctrl, 16 middle), the signed distance (+120 away from the user), and
// the pointer's screen position, x as an unsigned 16-bit value (a pointer left of the
// primary screen at x = -10 gives 65526) and y signed.
struct WheelMessage {
  int32_t Keys = 0;
  int32_t Rotation = 0;
  int32_t X = 0;
  int32_t Y = 0;
};

WheelMessage MakeWheelMessage(int32_t keys, int32_t rotation, int32_t screenX, int32_t screenY);

// Adds up the vertical distance of wheel events and says how many whole notches have
// passed (negative towards the user). Fine-grained wheels and touchpads send small
// distances; a plain wheel sends 120 per notch, so each of its events is one notch.
class WheelNotches {
 public:
  int Add(int32_t delta);

 private:
  int32_t pending_ = 0;
};

// The new position of a scroll bar after one wheel message: one SmallChange up for a
// rotation away from the user, down otherwise, stopping at the ends. Also right for a bar
// whose Min lies above its Max.
int32_t WheelStep(int32_t value, int32_t min, int32_t max, int32_t smallChange, int32_t rotation);

}  // namespace frame
