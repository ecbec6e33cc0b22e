#include "app/form_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/main_form.h"
#include "core/exceptions.h"
#include "engine/axis_panel.h"

namespace quil {

namespace {

std::string SystemError(const char* what, const std::string& path) {
  return QuilFormat("%s %s: %s", what, path, std::strerror(errno));
}

}  // namespace

std::unique_ptr<TForm> LoadFormFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EQuilError(SystemError("Cannot open", path));
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw EQuilError(SystemError("Cannot read", path));
  return ReadFormDescription(bytes);
}

void SaveFormFile(TForm& form, const std::string& path) {
  const std::vector<uint8_t> bytes = WriteFormDescription(form);
  const std::string temporary = path + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw EQuilError(SystemError("Cannot create", temporary));
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::remove(temporary.c_str());
      throw EQuilError(SystemError("Cannot write", temporary));
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string message = SystemError("Cannot write", path);
    std::remove(temporary.c_str());
    throw EQuilError(message);
  }
}

TControl* FirstChart(TForm& form) {
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (auto* chart = dynamic_cast<TCustomAxisPanel*>(form.Components(i))) return chart;
  return nullptr;
}

}  // namespace quil
