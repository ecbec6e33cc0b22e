#include "app/gtk_input.h"

#include <cmath>

namespace quil {

TShiftState ShiftFromModifiers(guint state) {
  TShiftState shift = 0;
  if (state & GDK_SHIFT_MASK) shift |= ssShift;
  if (state & GDK_MOD1_MASK) shift |= ssAlt;
  if (state & GDK_CONTROL_MASK) shift |= ssCtrl;
  if (state & GDK_BUTTON1_MASK) shift |= ssLeft;
  if (state & GDK_BUTTON2_MASK) shift |= ssMiddle;
  if (state & GDK_BUTTON3_MASK) shift |= ssRight;
  return shift;
}

std::optional<TMouseButton> MouseButtonFromGdk(guint button) {
  switch (button) {
    case GDK_BUTTON_PRIMARY:
      return TMouseButton::mbLeft;
    case GDK_BUTTON_MIDDLE:
      return TMouseButton::mbMiddle;
    case GDK_BUTTON_SECONDARY:
      return TMouseButton::mbRight;
    default:
      return std::nullopt;
  }
}

TShiftState ButtonFlag(TMouseButton button) {
  switch (button) {
    case TMouseButton::mbLeft:
      return ssLeft;
    case TMouseButton::mbRight:
      return ssRight;
    case TMouseButton::mbMiddle:
      return ssMiddle;
  }
  return 0;
}

TShiftState PressShift(guint state, TMouseButton button) { return ShiftFromModifiers(state) | ButtonFlag(button); }

TShiftState ReleaseShift(guint state, TMouseButton button) { return ShiftFromModifiers(state) & ~ButtonFlag(button); }

int ClientPixel(double coordinate) { return static_cast<int>(std::floor(coordinate)); }

int VirtualKeyFromKeyval(guint keyval) {
  if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return 'A' + static_cast<int>(keyval - GDK_KEY_a);
  if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return 'A' + static_cast<int>(keyval - GDK_KEY_A);
  if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return '0' + static_cast<int>(keyval - GDK_KEY_0);
  if (keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9) return 0x60 + static_cast<int>(keyval - GDK_KEY_KP_0);
  if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24) return 0x70 + static_cast<int>(keyval - GDK_KEY_F1);
  switch (keyval) {
    case GDK_KEY_BackSpace: return 0x08;
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab: return VK_TAB;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter: return VK_RETURN;
    case GDK_KEY_Shift_L:
    case GDK_KEY_Shift_R: return 0x10;
    case GDK_KEY_Control_L:
    case GDK_KEY_Control_R: return 0x11;
    case GDK_KEY_Alt_L:
    case GDK_KEY_Alt_R: return 0x12;
    case GDK_KEY_Pause: return 0x13;
    case GDK_KEY_Escape: return VK_ESCAPE;
    case GDK_KEY_space: return VK_SPACE;
    case GDK_KEY_Page_Up:
    case GDK_KEY_KP_Page_Up: return 0x21;
    case GDK_KEY_Page_Down:
    case GDK_KEY_KP_Page_Down: return 0x22;
    case GDK_KEY_End:
    case GDK_KEY_KP_End: return 0x23;
    case GDK_KEY_Home:
    case GDK_KEY_KP_Home: return 0x24;
    case GDK_KEY_Left:
    case GDK_KEY_KP_Left: return VK_LEFT;
    case GDK_KEY_Up:
    case GDK_KEY_KP_Up: return VK_UP;
    case GDK_KEY_Right:
    case GDK_KEY_KP_Right: return VK_RIGHT;
    case GDK_KEY_Down:
    case GDK_KEY_KP_Down: return VK_DOWN;
    case GDK_KEY_Insert:
    case GDK_KEY_KP_Insert: return 0x2D;
    case GDK_KEY_Delete:
    case GDK_KEY_KP_Delete: return 0x2E;
    case GDK_KEY_KP_Multiply: return 0x6A;
    case GDK_KEY_KP_Add: return 0x6B;
    case GDK_KEY_KP_Subtract: return 0x6D;
    case GDK_KEY_KP_Decimal: return 0x6E;
    case GDK_KEY_KP_Divide: return 0x6F;
    case GDK_KEY_plus: return 0xBB;
    case GDK_KEY_comma: return 0xBC;
    case GDK_KEY_minus: return 0xBD;
    case GDK_KEY_period: return 0xBE;
    default: return 0;
  }
}

int WheelUnits(TWheelAccumulator& accumulator, const GdkEventScroll& event) {
  switch (event.direction) {
    case GDK_SCROLL_UP:
      return accumulator.Notch(true);
    case GDK_SCROLL_DOWN:
      return accumulator.Notch(false);
    case GDK_SCROLL_SMOOTH:
      return accumulator.Smooth(event.delta_y);
    default:
      return 0;
  }
}

}  // namespace quil
