#include "app/command_line.h"

#include <algorithm>

namespace quil {

namespace {

const TOptionDefinition* FindLong(std::span<const TOptionDefinition> definitions, std::string_view name) {
  const auto it =
      std::find_if(definitions.begin(), definitions.end(), [&](const TOptionDefinition& d) { return d.Long == name; });
  return it == definitions.end() ? nullptr : &*it;
}

const TOptionDefinition* FindShort(std::span<const TOptionDefinition> definitions, char name) {
  const auto it =
      std::find_if(definitions.begin(), definitions.end(), [&](const TOptionDefinition& d) { return d.Short == name; });
  return it == definitions.end() ? nullptr : &*it;
}

}  // namespace

bool TCommandLine::Has(std::string_view name) const {
  return std::any_of(Options.begin(), Options.end(), [&](const TParsedOption& o) { return o.Long == name; });
}

TCommandLine ParseCommandLine(int argc, const char* const* argv, std::span<const TOptionDefinition> definitions) {
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
    const TOptionDefinition* definition = nullptr;
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
      definition = FindLong(definitions, name);
    } else if (arg.size() == 2) {
      definition = FindShort(definitions, arg[1]);
    }
    if (!definition) throw EUsageError("unknown option " + std::string(arg));
    TParsedOption option{definition->Long, {}};
    if (definition->TakesValue) {
      if (hasInlineValue) {
        option.Value = inlineValue;
      } else if (i + 1 < argc) {
        option.Value = argv[++i];
      } else {
        throw EUsageError("option --" + std::string(definition->Long) + " needs a value");
      }
    } else if (hasInlineValue) {
      throw EUsageError("option --" + std::string(definition->Long) + " takes no value");
    }
    line.Options.push_back(std::move(option));
  }
  return line;
}

}  // namespace quil
