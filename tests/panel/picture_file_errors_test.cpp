#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "canvas/picture_file.h"
#include "chart/rovede.h"

namespace quil::testing {
namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> FolderNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

// Saving a chart where it cannot be saved: a clear error that names the file, and nothing left
// behind in the folder (an older picture under the same name stays as it was).
class PictureFileErrorsTest : public ::testing::Test {
 protected:
  PictureFileErrorsTest() {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    chart_.SetBounds(0, 0, 200, 150);
    chart_.Title().SetText("Errors");
  }
  ~PictureFileErrorsTest() override {
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }

  // The message of the error saving throws, or "" when it does not throw.
  std::string SaveError(const std::string& path, int width = 200, int height = 150) {
    try {
      chart_.SaveToFile(path, width, height);
    } catch (const EPictureFileError& e) {
      return e.what();
    }
    return "";
  }

  // One folder per test: CTest runs the tests of this fixture side by side.
  fs::path dir_ = fs::path(QUIL_TEST_OUTPUT_DIR) / "export_errors" /
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
  ROvede chart_;
};

TEST_F(PictureFileErrorsTest, BadNamesAndSizesAreRefusedBeforeAnythingIsWritten) {
  const std::string in = (dir_ / "chart").string();
  const struct {
    std::string path;
    int width, height;
    std::string reason;
  } cases[] = {
      {in + ".bmp", 200, 150, "unknown picture format"},
      {in, 200, 150, "unknown picture format"},
      {in + ".svg.tmp", 200, 150, "unknown picture format"},
      {in + ".png", 0, 150, "is not 1 to 16384"},
      {in + ".svg", 200, 0, "is not 1 to 16384"},
      {in + ".pdf", -5, 10, "is not 1 to 16384"},
      {in + ".png", 16385, 10, "is not 1 to 16384"},
      {in + ".pdf", 10, 1000000, "is not 1 to 16384"},
      {(dir_ / "missing" / "chart.svg").string(), 200, 150, "No such file or directory"},
      {dir_.string() + "/", 200, 150, "unknown picture format"},
      {"/proc/chart.pdf", 200, 150, ""},
      {"/dev/full", 200, 150, "unknown picture format"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const std::string error = SaveError(c.path, c.width, c.height);
    EXPECT_NE(error.find("Cannot write " + c.path + ": "), std::string::npos) << error;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  EXPECT_TRUE(FolderNames(dir_).empty());
}

TEST_F(PictureFileErrorsTest, AFolderOrADeviceIsNotReplaced) {
  fs::create_directories(dir_ / "folder.png");
  EXPECT_NE(SaveError((dir_ / "folder.png").string()).find("Is a directory"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(dir_ / "folder.png"));
  ASSERT_EQ(::symlink("/dev/null", (dir_ / "device.pdf").c_str()), 0);
  EXPECT_NE(SaveError((dir_ / "device.pdf").string()).find("not a regular file"), std::string::npos);
  EXPECT_EQ(FolderNames(dir_).size(), 2u);
}

TEST_F(PictureFileErrorsTest, AReadOnlyFolderTakesNoPicture) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  for (const char* name : {"chart.png", "chart.svg", "chart.pdf"}) {
    const std::string error = SaveError((dir_ / name).string());
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
  }
  fs::permissions(dir_, fs::perms::owner_all);
  EXPECT_TRUE(FolderNames(dir_).empty());
}

// A device that fills up while the file is written, made by a file size limit on this process:
// the write fails part way, as on a full disk, and the old picture must survive whole.
TEST_F(PictureFileErrorsTest, AFullDeviceLeavesTheOldPictureInPlace) {
  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldSignal = ::signal(SIGXFSZ, SIG_IGN);
  for (const char* name : {"chart.png", "chart.svg", "chart.pdf"}) {
    SCOPED_TRACE(name);
    const fs::path path = dir_ / name;
    std::ofstream(path) << "the old picture";
    struct rlimit small = old;
    small.rlim_cur = 512;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error = SaveError(path.string(), 800, 600);
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    EXPECT_EQ(FileText(path), "the old picture");
    EXPECT_EQ(FolderNames(dir_).size(), 1u);
    fs::remove(path);
  }
  ::signal(SIGXFSZ, oldSignal);
}

TEST_F(PictureFileErrorsTest, ASavedPictureReplacesTheOldOneWithTheUsualPermissions) {
  for (const char* name : {"chart.png", "chart.svg", "chart.pdf"}) {
    SCOPED_TRACE(name);
    const fs::path path = dir_ / name;
    std::ofstream(path) << "the old picture";
    EXPECT_EQ(SaveError(path.string()), "");
    const std::string text = FileText(path);
    EXPECT_GT(text.size(), 500u);
    EXPECT_EQ(text.find("the old picture"), std::string::npos);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0666 & ~mask));
  }
  EXPECT_EQ(FolderNames(dir_).size(), 3u);
}

}  // namespace
}  // namespace quil::testing
