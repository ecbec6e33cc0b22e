#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "core/exceptions.h"
#include "panel/key_file.h"
#include "panel/option_file.h"
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

std::string Group() { return std::string("[") + QuilOptionGroup + "]\n"; }

// The syntax the README describes, case by case.
TEST_F(OptionStoreTest, SyntaxOfTheFile) {
  const struct {
    const char* what;
    std::string file;
    const char* expected;  // the string read for "V", or nullptr for the default
  } cases[] = {
      {"plain", Group() + "V=text\n", "text"},
      {"blanks around the name and value", Group() + "  V \t=  a b  \n", "a b"},
      {"Windows line ends", Group() + "V=text\r\n", "text"},
      {"last line without a line end", Group() + "V=text", "text"},
      {"byte-order mark", "\xEF\xBB\xBF" + Group() + "V=text\n", "text"},
      {"empty value", Group() + "V=\n", ""},
      {"everything after the first =", Group() + "V=a=b\n", "a=b"},
      {"a # inside a value is text", Group() + "V=a # b\n", "a # b"},
      {"the first of repeated names", Group() + "V=first\nV=second\n", "first"},
      {"a group repeated later", Group() + "W=1\n[Other]\nV=x\n" + Group() + "V=later\n", "later"},
      {"# comment line", Group() + "# V=no\nV=yes\n", "yes"},
      {"; comment line", Group() + "  ; V=no\nV=yes\n", "yes"},
      {"names are case-sensitive", Group() + "v=lower\n", nullptr},
      {"group names are case-sensitive", "[software\\varnell software\\lumora pro\\editor]\nV=x\n", nullptr},
      {"no group", "V=x\n", nullptr},
      {"a line without =", Group() + "V\n", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(c.file);
    EXPECT_EQ(QuilReadStringOption("V", "default"), c.expected ? c.expected : "default");
  }
  const struct {
    const char* text;
    int value;
  } integers[] = {{"-7", -7}, {"+5", 5}, {"0", 0}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}};
  for (const auto& c : integers) {
    SCOPED_TRACE(c.text);
    WriteFile(Group() + "N=" + c.text + "\n");
    EXPECT_EQ(QuilReadIntegerOption("N", 13), c.value);
  }
  for (const char* bad : {"", "1.5", "0x10", "12 # twelve", "2147483648", "- 3"}) {
    SCOPED_TRACE(bad);
    WriteFile(Group() + "N=" + bad + "\n");
    EXPECT_THROW(QuilReadIntegerOption("N", 13), EQuilError);
  }
  WriteFile(Group() + "A=TRUE\nB=0\nC=yes\n");
  EXPECT_TRUE(QuilReadBoolOption("A", false));
  EXPECT_FALSE(QuilReadBoolOption("B", true));
  EXPECT_THROW(QuilReadBoolOption("C", true), EQuilError);
}

// Runs what in a child process and tells whether it finished within the deadline; a reader that
// blocks or runs away is killed rather than holding up the suite.
bool FinishesInChild(const std::function<int()>& what, int& status) {
  const pid_t pid = fork();
  if (pid == 0) _exit(what());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    int raw = 0;
    if (waitpid(pid, &raw, WNOHANG) == pid) {
      status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return false;
}

// Whatever is not a regular file is passed over like a missing one, with one line on stderr,
// without reading from it or waiting for it.
TEST_F(OptionStoreTest, OnlyARegularFileIsRead) {
  const std::filesystem::path file = QuilOptionFilePath();
  std::filesystem::create_directories(file.parent_path());
  const struct {
    const char* what;
    std::function<void()> make;
  } cases[] = {
      {"a FIFO", [&] { ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); }},
      {"a link to /dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", file); }},
      {"a folder", [&] { std::filesystem::create_directory(file); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(file);
    c.make();
    int status = -1;
    ASSERT_TRUE(FinishesInChild([] { return QuilReadIntegerOption("DefaultPalette", 13); }, status)) << "it hung";
    EXPECT_EQ(status, 13);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), 13);
    const std::string warning = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(warning.find(file.string()), std::string::npos) << warning;
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
  }
  std::filesystem::remove_all(file);
  std::filesystem::create_symlink(dir_ / "real.ini", file);
  std::ofstream(dir_ / "real.ini") << Group() << "DefaultPalette=3\n";
  EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), 3) << "a link to a regular file is read";
}

// A file up to the size limit is read; a larger one is ignored with a warning and not replaced
// by the writers.
TEST_F(OptionStoreTest, AFileLargerThanTheLimitIsIgnored) {
  const std::string value = Group() + "DefaultPalette=4\n";
  WriteFile(std::string(QuilMaxOptionFileSize - value.size(), '\n') + value);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), 4);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

  WriteFile(std::string(QuilMaxOptionFileSize + 1 - value.size(), '\n') + value);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), 13);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("larger than"), std::string::npos);
  EXPECT_THROW(QuilWriteIntegerOption("DefaultPalette", 5), EQuilError);
  EXPECT_EQ(std::filesystem::file_size(QuilOptionFilePath()), QuilMaxOptionFileSize + 1);
}

// Inside a reading scope the file is read once: what the first read found serves the others.
TEST_F(OptionStoreTest, OneReadingServesAWholeScope) {
  WriteFile(Group() + "DefaultCanvas=TQuilCanvas3D\nDefaultPalette=4\n");
  {
    const TQuilOptionReading reading;
    EXPECT_EQ(QuilReadStringOption("DefaultCanvas", "x"), "TQuilCanvas3D");
    std::filesystem::remove(QuilOptionFilePath());
    EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), 4);
  }
  EXPECT_EQ(QuilReadIntegerOption("DefaultPalette", 13), 13);
}

TEST(OptionFile, WritingReplacesTheFileWholeOrNotAtAll) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("quil-option-file-" + std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  const std::string path = (dir / "sub" / "options.ini").string();
  WriteOptionFile(path, "a=1\n");
  EXPECT_EQ(ReadOptionFile(path).Text, "a=1\n");
  WriteOptionFile(path, "b=2\n");
  EXPECT_EQ(ReadOptionFile(path).Text, "b=2\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "sub"), {}), 1) << "no temporary file left";
  std::filesystem::permissions(dir / "sub", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (access((dir / "sub").c_str(), W_OK) != 0) {  // root may write anyway
    try {
      WriteOptionFile(path, "c=3\n");
      ADD_FAILURE() << "no error";
    } catch (const EQuilError& e) {
      EXPECT_NE(std::string(e.what()).find("Permission denied"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadOptionFile(path).Text, "b=2\n");
  }
  std::filesystem::permissions(dir / "sub", std::filesystem::perms::owner_all);
  std::filesystem::remove_all(dir);
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
