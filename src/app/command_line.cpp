#include "app/command_line.h"

#include <algorithm>

namespace quil {

namespace {

const TOptionSpec* FindLong(std::span<const TOptionSpec> specs, std::string_view name) {
  const auto it = std::find_if(specs.begin(), specs.end(), [&](const TOptionSpec& s) { return s.Long == name; });
  return it == specs.end() ? nullptr : &*it;
}

const TOptionSpec* FindShort(std::span<const TOptionSpec> specs, char name) {
  const auto it = std::find_if(specs.begin(), specs.end(), [&](const TOptionSpec& s) { return s.Short == name; });
  return it == specs.end() ? nullptr : &*it;
}

}  // namespace

bool TCommandLine::Has(std::string_view name) const {
  return std::any_of(Options.begin(), Options.end(), [&](const TParsedOption& o) { return o.Long == name; });
}

TCommandLine ParseCommandLine(int argc, const char* const* argv, std::span<const TOptionSpec> specs) {
  TCommandLine line;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      line.Operands.emplace_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const TOptionSpec* spec = nullptr;
    std::string_view inlineValue;
    bool hasInlineValue = false;
    if (arg.starts_with("--")) {
      std::string_view name = arg.substr(2);
      const std::size_t equals = name.find('=');
      if (equals != std::string_view::npos) {
        inlineValue = name.substr(equals + 1);
        hasInlineValue = true;
        name = name.substr(0, equals);
      }
      spec = FindLong(specs, name);
    } else if (arg.size() == 2) {
      spec = FindShort(specs, arg[1]);
    }
    if (!spec) throw EUsageError("unknown option " + std::string(arg));
    TParsedOption option{spec->Long, {}};
    if (spec->TakesValue) {
      if (hasInlineValue) {
        option.Value = inlineValue;
      } else if (i + 1 < argc) {
        option.Value = argv[++i];
      } else {
        throw EUsageError("option --" + std::string(spec->Long) + " needs a value");
      }
    } else if (hasInlineValue) {
      throw EUsageError("option --" + std::string(spec->Long) + " takes no value");
    }
    line.Options.push_back(std::move(option));
  }
  return line;
}

}  // namespace quil
