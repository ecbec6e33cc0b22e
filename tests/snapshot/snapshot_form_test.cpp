// chart_snapshot run as a separate process on stored window descriptions.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/form_file.h"
#include "app/library_startup.h"
#include "app/main_form.h"
#include "canvas/bitmap.h"
#include "chart/rovede.h"
#include "engine/themed_series.h"
#include "panel/headless_host.h"

namespace quil {
namespace {

namespace fs = std::filesystem;

struct TRun {
  int Status;
  std::string Errors;
};

// CTest runs the tests of this file in parallel, so each keeps its files in a folder of its own.
fs::path TestFolder() {
  return fs::path(QUIL_TEST_OUTPUT_DIR) / "snapshot_form" /
         ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

TRun Snapshot(const std::string& arguments) {
  const fs::path errors = TestFolder() / "stderr.txt";
  const std::string command = std::string(QUIL_SNAPSHOT_PATH) + " " + arguments + " 2> '" + errors.string() + "'";
  const int raw = std::system(command.c_str());
  std::ifstream in(errors);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, std::string(std::istreambuf_iterator<char>(in), {})};
}

std::vector<uint8_t> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SnapshotForm : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_);
    for (const char* f : {"in.form", "out.png", "saved.form", "bad.form"}) fs::remove(dir_ / f);
  }

  // A window whose chart has a title, a palette and a series with points.
  void WriteSampleForm(const fs::path& path) {
    TForm1 form;
    form.SetName("Form1");
    auto& chart = MakeOwned<ROvede>(form);
    chart.SetName("Chart1");
    chart.SetParent(&form);
    chart.SetBounds(0, 0, 320, 240);
    chart.Title().SetText("From a file");
    auto& series = MakeOwned<TThemedSeries>(form);
    series.SetName("Series1");
    series.SetParenrOvede(&chart);
    for (int i = 0; i < 5; ++i) series.AddXY(i, i * i);
    SaveFormFile(form, path.string());
    THeadlessHost host(chart);
    expected_ = host.Render();
  }

  fs::path dir_ = TestFolder();
  TLibraryStartup library_;
  TBitmap expected_;
};

TEST_F(SnapshotForm, RendersTheChartOfADescriptionFileAndStoresWhatItDrew) {
  WriteSampleForm(dir_ / "in.form");
  const TRun run = Snapshot("--form '" + (dir_ / "in.form").string() + "' --save-form '" +
                            (dir_ / "saved.form").string() + "' '" + (dir_ / "out.png").string() + "'");
  ASSERT_EQ(run.Status, 0) << run.Errors;
  const TBitmap drawn = TBitmap::FromPNGFile((dir_ / "out.png").string());
  ASSERT_EQ(drawn.Width(), 320);
  ASSERT_EQ(drawn.Height(), 240);
  int differing = 0;
  for (int y = 0; y < drawn.Height(); ++y)
    for (int x = 0; x < drawn.Width(); ++x) differing += drawn.Pixel(x, y) != expected_.Pixel(x, y);
  EXPECT_EQ(differing, 0);
  // Nothing changed the window, so what was stored is what was read.
  EXPECT_EQ(FileBytes(dir_ / "saved.form"), FileBytes(dir_ / "in.form"));
}

TEST_F(SnapshotForm, UnreadableDescriptionIsReportedAndNothingIsWritten) {
  WriteSampleForm(dir_ / "in.form");
  std::vector<uint8_t> bytes = FileBytes(dir_ / "in.form");
  bytes.resize(bytes.size() / 2);
  std::ofstream(dir_ / "bad.form", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                           static_cast<std::streamsize>(bytes.size()));
  const TRun run = Snapshot("--form '" + (dir_ / "bad.form").string() + "' --save-form '" +
                            (dir_ / "saved.form").string() + "' '" + (dir_ / "out.png").string() + "' 100 100");
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Errors.find("Stream read error"), std::string::npos) << run.Errors;
  EXPECT_FALSE(fs::exists(dir_ / "out.png"));
  EXPECT_FALSE(fs::exists(dir_ / "saved.form"));

  const TRun missing = Snapshot("--form '" + (dir_ / "none.form").string() + "' '" + (dir_ / "out.png").string() + "'");
  EXPECT_EQ(missing.Status, 1);
  EXPECT_NE(missing.Errors.find("Cannot open"), std::string::npos) << missing.Errors;
  EXPECT_EQ(Snapshot("--form").Status, 2);
}

}  // namespace
}  // namespace quil
