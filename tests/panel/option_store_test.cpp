#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/exceptions.h"
#include "panel/key_file.h"
#include "panel/option_store.h"

namespace quil {
namespace {

// Points the option store at a private configuration folder for the length of a test.
class OptionStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("quil-options-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    const char* old = std::getenv("XDG_CONFIG_HOME");
    if (old) saved_ = old;
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  }
  void TearDown() override {
    if (saved_)
      setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
    else
      unsetenv("XDG_CONFIG_HOME");
    std::filesystem::remove_all(dir_);
  }
  void WriteFile(const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(QuilOptionFilePath()).parent_path());
    std::ofstream(QuilOptionFilePath()) << text;
  }

  std::filesystem::path dir_;
  std::optional<std::string> saved_;
};

TEST_F(OptionStoreTest, MissingFileGroupOrValueGivesTheDefault) {
  EXPECT_EQ(QuilReadStringOption("DefaultCanvas", "TGDIPlusCanvas"), "TGDIPlusCanvas");
  EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), 13);
  WriteFile("[Other]\nDefaultPalette=4\n");
  EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), 13);
  WriteFile(std::string("[") + QuilOptionGroup + "]\nSomethingElse=4\n");
  EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), 13);
  EXPECT_TRUE(QuilReadBoolOption("Flag", true));
}

TEST_F(OptionStoreTest, PresentValuesAreReadByKind) {
  WriteFile(std::string("# user options\n[") + QuilOptionGroup +
            "]\nDefaultCanvas = TQuilCanvas3D\nDefaultPalette=-7\nFlag=false\nOther=1\n");
  EXPECT_EQ(QuilReadStringOption("DefaultCanvas", "x"), "TQuilCanvas3D");
  EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), -7);
  EXPECT_FALSE(QuilReadBoolOption("Flag", true));
  EXPECT_TRUE(QuilReadBoolOption("Other", false));
}

TEST_F(OptionStoreTest, WrongKindRaisesInvalidDataType) {
  WriteFile(std::string("[") + QuilOptionGroup + "]\nDefaultPalette=thirteen\nBig=99999999999\nFlag=maybe\n");
  for (const char* name : {"DefaultPalette", "Big"}) {
    SCOPED_TRACE(name);
    try {
      QuilReadIntegerOption(name, 0);
      FAIL() << "no error";
    } catch (const EQuilError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("Invalid data type for '") + name + "'");
    }
  }
  EXPECT_THROW(QuilReadBoolOption("Flag", false), EQuilError);
}

TEST_F(OptionStoreTest, WritersCreateTheFileAndKeepOtherLines) {
  QuilWriteIntegerOption("DefaultPalette", 5);
  QuilWriteBoolOption("Flag", true);
  EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), 5);
  EXPECT_TRUE(QuilReadBoolOption("Flag", false));
  QuilWriteIntegerOption("DefaultPalette", 6);
  EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), 6);
  EXPECT_TRUE(QuilReadBoolOption("Flag", false));
}

TEST(KeyFile, SetValueKeepsCommentsAndOtherGroups) {
  TKeyFile f = TKeyFile::Parse("# head\n[A]\nx=1\n\n[B]\ny=2\n");
  f.SetValue("A", "z", "3");
  f.SetValue("B", "y", "4");
  f.SetValue("C", "w", "5");
  EXPECT_EQ(f.ToText(), "# head\n[A]\nx=1\nz=3\n\n[B]\ny=4\n\n[C]\nw=5\n");
}

}  // namespace
}  // namespace quil
