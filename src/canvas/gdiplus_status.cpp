#include "canvas/gdiplus_status.h"

#include <array>

#include "core/exceptions.h"

namespace quil {

std::string GDIPlusStatusText(int status) {
  static const std::array<const char*, 21> texts = {
      "Ok",           "Generic Error",     "Invalid Parameter",       "Out Of Memory",
      "Object Busy",  "Insufficient Buffer", "Not Implemented",       "Win32 Error",
      "Wrong State",  "Aborted",           "File Not Found",          "Value Overflow",
      "Access Denied", "Unknown Image Format", "Font Family Not Found", "Font Style Not Found",
      "Not TrueType Font", "Unsupported Gdiplus Version", "Gdiplus Not Initialized", "Property Not Found",
      "Property Not Supported"};
  if (status < 0 || status >= static_cast<int>(texts.size())) return "Unknown Status";
  return texts[static_cast<std::size_t>(status)];
}

std::string GDIPlusErrorMessage(int status) {
  return QuilFormat("GDI+ Error: %d %s", std::to_string(status), GDIPlusStatusText(status));
}

TGPStatus GDIPlusStatusOf(cairo_status_t status) {
  switch (status) {
    case CAIRO_STATUS_SUCCESS: return gsOk;
    case CAIRO_STATUS_NO_MEMORY: return gsOutOfMemory;
    case CAIRO_STATUS_INVALID_RESTORE:
    case CAIRO_STATUS_INVALID_POP_GROUP:
    case CAIRO_STATUS_NO_CURRENT_POINT:
    case CAIRO_STATUS_SURFACE_FINISHED:
    case CAIRO_STATUS_DEVICE_FINISHED: return gsWrongState;
    case CAIRO_STATUS_INVALID_MATRIX:
    case CAIRO_STATUS_INVALID_STATUS:
    case CAIRO_STATUS_NULL_POINTER:
    case CAIRO_STATUS_INVALID_STRING:
    case CAIRO_STATUS_INVALID_PATH_DATA:
    case CAIRO_STATUS_INVALID_CONTENT:
    case CAIRO_STATUS_INVALID_FORMAT:
    case CAIRO_STATUS_INVALID_VISUAL:
    case CAIRO_STATUS_INVALID_DASH:
    case CAIRO_STATUS_INVALID_DSC_COMMENT:
    case CAIRO_STATUS_INVALID_INDEX:
    case CAIRO_STATUS_INVALID_STRIDE:
    case CAIRO_STATUS_INVALID_SIZE:
    case CAIRO_STATUS_INVALID_CLUSTERS:
    case CAIRO_STATUS_INVALID_SLANT:
    case CAIRO_STATUS_INVALID_WEIGHT:
    case CAIRO_STATUS_INVALID_MESH_CONSTRUCTION: return gsInvalidParameter;
    case CAIRO_STATUS_FILE_NOT_FOUND: return gsFileNotFound;
    case CAIRO_STATUS_READ_ERROR:
    case CAIRO_STATUS_WRITE_ERROR: return gsAccessDenied;
    case CAIRO_STATUS_SURFACE_TYPE_MISMATCH:
    case CAIRO_STATUS_PATTERN_TYPE_MISMATCH:
    case CAIRO_STATUS_FONT_TYPE_MISMATCH:
    case CAIRO_STATUS_DEVICE_TYPE_MISMATCH: return gsUnknownImageFormat;
    case CAIRO_STATUS_USER_FONT_IMMUTABLE:
    case CAIRO_STATUS_USER_FONT_ERROR:
    case CAIRO_STATUS_USER_FONT_NOT_IMPLEMENTED: return gsNotTrueTypeFont;
    case CAIRO_STATUS_TEMP_FILE_ERROR: return gsWin32Error;
    default: return gsGenericError;
  }
}

void CheckGDIPlusStatus(cairo_status_t status) {
  if (status != CAIRO_STATUS_SUCCESS) throw EQuilError(GDIPlusErrorMessage(GDIPlusStatusOf(status)));
}

}  // namespace quil
