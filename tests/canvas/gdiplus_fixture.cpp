#include "gdiplus_fixture.h"

#include <filesystem>

namespace quil {

void GDIPlusFixture::Save(const std::string& name) const {
  std::filesystem::create_directories(QUIL_TEST_OUTPUT_DIR);
  canvas->Bitmap()->SaveToPNGFile(std::string(QUIL_TEST_OUTPUT_DIR) + "/" + name);
}

}  // namespace quil
