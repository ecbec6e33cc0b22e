// The programs' command lines, read without any toolkit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program_options.h"

namespace quil::testing {
namespace {

std::vector<const char*> Argv(const std::vector<std::string>& args) {
  std::vector<const char*> argv{"program"};
  for (const std::string& a : args) argv.push_back(a.c_str());
  return argv;
}

TProgramOptions Program(const std::vector<std::string>& args) {
  const auto argv = Argv(args);
  return ParseProgramOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, OptionsAndOperandsInEveryConventionalSpelling) {
  constexpr TOptionDefinition definitions[] = {{"flag", 'f', false}, {"value", 'v', true}};
  struct TCase {
    std::vector<std::string> Args;
    std::vector<std::string> Values;  // of --value, in order
    std::vector<std::string> Operands;
    bool Flag;
  };
  for (const TCase& c : std::vector<TCase>{
           {{"a", "--value", "1", "b"}, {"1"}, {"a", "b"}, false},
           {{"--value=x=y", "-f"}, {"x=y"}, {}, true},
           {{"-v", "-3", "--flag", "-"}, {"-3"}, {"-"}, true},
           {{"--value=", "--", "--flag", "-v"}, {""}, {"--flag", "-v"}, false},
       }) {
    const auto argv = Argv(c.Args);
    const TCommandLine line = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), definitions);
    std::vector<std::string> values;
    for (const TParsedOption& o : line.Options)
      if (o.Long == "value") values.push_back(o.Value);
    EXPECT_EQ(values, c.Values);
    EXPECT_EQ(line.Operands, c.Operands);
    EXPECT_EQ(line.Has("flag"), c.Flag);
  }
}

TEST(CommandLine, WhatItDoesNotAcceptIsAUsageError) {
  constexpr TOptionDefinition definitions[] = {{"flag", 'f', false}, {"value", 'v', true}};
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--nope"}, {"-x"}, {"-fv"}, {"--value"}, {"a", "-v"}, {"--flag=1"}, {"--fla"}}) {
    const auto argv = Argv(args);
    EXPECT_THROW(ParseCommandLine(static_cast<int>(argv.size()), argv.data(), definitions), EUsageError) << args[0];
  }
}

TEST(ProgramOptions, ADataFileByOperandOrOption) {
  EXPECT_EQ(Program({}).DataFile, "");
  EXPECT_EQ(Program({"hills.csv"}).DataFile, "hills.csv");
  EXPECT_EQ(Program({"--data", "hills.csv"}).DataFile, "hills.csv");
  const TProgramOptions both = Program({"--form", "f.form", "--matrix", "m.txt"});
  EXPECT_EQ(both.FormFile, "f.form");
  EXPECT_EQ(both.DataFile, "m.txt");
  EXPECT_EQ(both.DataForm, TDataForm::Matrix);
  // Help and version win over anything else on the line, even what would be an error.
  EXPECT_TRUE(Program({"a", "b", "--help"}).Help);
  EXPECT_TRUE(Program({"-V", "--points", "--matrix"}).Version);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"a", "b"}, {"--data", "a", "b"}, {"--points", "--matrix", "a"}, {"--form"}, {"--display", ":1"}})
    EXPECT_THROW(Program(args), EUsageError) << args[0];
}

}  // namespace
}  // namespace quil::testing
