#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quil {

// One module's share of the library's global state: set up at start, torn down at the end.
struct TModuleStep {
  std::string Module;
  std::function<void()> Initialize;
  std::function<void()> Finalize;
};

// Brings the library's global state up in the fixed module order when constructed and down
// in the reverse order when destroyed: message texts, the drawing layer and its canvas
// classes, the panel defaults and hand cursor, the engine, the chart registries, and the
// registrations of every series, function and tool class. The window shell hands in how
// to install and remove the screen cursor, which only it can make.
class TLibraryStartup {
 public:
  struct TCursorHooks {
    std::function<void()> Install;
    std::function<void()> Remove;
  };

  explicit TLibraryStartup(TCursorHooks cursor = {});
  ~TLibraryStartup();
  TLibraryStartup(const TLibraryStartup&) = delete;
  TLibraryStartup& operator=(const TLibraryStartup&) = delete;

  // The modules in start-up order, for inspection.
  std::vector<std::string> ModuleOrder() const;

 private:
  std::vector<TModuleStep> steps_;
  std::size_t started_ = 0;
};

}  // namespace quil
