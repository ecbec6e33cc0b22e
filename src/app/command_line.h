#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quil {

// The version both programs report.
inline constexpr std::string_view kQuilVersion = "0.16.0";

// An argument the command line does not accept; the message says which and why.
class EUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One option a program accepts: "--Long" and, when Short is not 0, "-Short"; an option that
// TakesValue takes the next argument (or the text after "=") as its value.
struct TOptionDefinition {
  std::string_view Long;
  char Short = 0;
  bool TakesValue = false;
};

struct TParsedOption {
  std::string_view Long;
  std::string Value;
};

// Options in the order given, and the other arguments (operands) in order.
struct TCommandLine {
  std::vector<TParsedOption> Options;
  std::vector<std::string> Operands;

  bool Has(std::string_view name) const;
};

// Reads argv[1..argc-1] the conventional way: options may come anywhere, "--" ends them, a lone
// "-" is an operand. Raises EUsageError for an unknown option, an option without its value and
// a value given to an option that takes none.
TCommandLine ParseCommandLine(int argc, const char* const* argv, std::span<const TOptionDefinition> definitions);

}  // namespace quil
