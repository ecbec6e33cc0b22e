#include <gtest/gtest.h>
#include <librsvg/rsvg.h>
#include <poppler.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "canvas/view3d_options.h"
#include "series/surface/surface_test_support.h"

namespace quil::testing {
namespace {

// How far two pictures of the same size are apart, each seen a little blurred (every pixel the
// mean of its 3 x 3 neighbourhood), so that a line smoothed by one renderer and drawn crisp by
// another counts as the same line: the mean difference of a colour channel, and the share of
// pixels where some channel differs by more than a quarter of its range (a shape or a letter in
// one picture that the other lacks or has elsewhere).
struct TPictureDistance {
  double MeanChannel = 0;
  double FarShare = 0;
};

int BlurredChannel(const TBitmap& b, int x, int y, int shift) {
  int sum = 0, n = 0;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int px = x + dx, py = y + dy;
      if (px < 0 || py < 0 || px >= b.Width() || py >= b.Height()) continue;
      sum += int((b.Pixel(px, py) >> shift) & 0xFF);
      ++n;
    }
  return sum / n;
}

TPictureDistance Distance(const TBitmap& a, const TBitmap& b) {
  TPictureDistance d;
  long long sum = 0, far = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      int worst = 0;
      for (int shift : {0, 8, 16}) {
        const int delta = std::abs(BlurredChannel(a, x, y, shift) - BlurredChannel(b, x, y, shift));
        sum += delta;
        worst = std::max(worst, delta);
      }
      far += worst > 64;
    }
  const double pixels = double(a.Width()) * a.Height();
  d.MeanChannel = double(sum) / (3 * pixels);
  d.FarShare = double(far) / pixels;
  return d;
}

void ExpectSamePicture(const TBitmap& expected, const TBitmap& actual) {
  ASSERT_EQ(actual.Width(), expected.Width());
  ASSERT_EQ(actual.Height(), expected.Height());
  const TPictureDistance d = Distance(expected, actual);
  // Edges and glyphs are smoothed a little differently by each renderer; nothing more may differ.
  EXPECT_LT(d.MeanChannel, 3.0);
  EXPECT_LT(d.FarShare, 0.002);
}

struct GObjectRelease {
  void operator()(gpointer object) const { g_object_unref(object); }
};

TBitmap WhiteBitmap(int width, int height) {
  TBitmap bitmap(width, height);
  bitmap.Fill(clWhite);
  return bitmap;
}

TBitmap SvgPixels(const std::string& path, int& width, int& height) {
  GError* error = nullptr;
  std::unique_ptr<RsvgHandle, GObjectRelease> svg(rsvg_handle_new_from_file(path.c_str(), &error));
  if (!svg) {
    ADD_FAILURE() << error->message;
    g_error_free(error);
    return {};
  }
  double w = 0, h = 0;
  EXPECT_TRUE(rsvg_handle_get_intrinsic_size_in_pixels(svg.get(), &w, &h));
  width = int(w);
  height = int(h);
  TBitmap bitmap = WhiteBitmap(width, height);
  cairo_t* cr = cairo_create(bitmap.Surface());
  const RsvgRectangle viewport{0, 0, w, h};
  EXPECT_TRUE(rsvg_handle_render_document(svg.get(), cr, &viewport, nullptr));
  cairo_destroy(cr);
  return bitmap;
}

struct TPdfPage {
  TBitmap Pixels;
  int Width = 0;
  int Height = 0;
  int Pages = 0;
  std::string Text;
};

TPdfPage PdfPage(const std::string& path) {
  TPdfPage page;
  gchar* uri = g_filename_to_uri(std::filesystem::absolute(path).c_str(), nullptr, nullptr);
  GError* error = nullptr;
  std::unique_ptr<PopplerDocument, GObjectRelease> document(poppler_document_new_from_file(uri, nullptr, &error));
  g_free(uri);
  if (!document) {
    ADD_FAILURE() << error->message;
    g_error_free(error);
    return page;
  }
  page.Pages = poppler_document_get_n_pages(document.get());
  std::unique_ptr<PopplerPage, GObjectRelease> first(poppler_document_get_page(document.get(), 0));
  double w = 0, h = 0;
  poppler_page_get_size(first.get(), &w, &h);
  page.Width = int(w);
  page.Height = int(h);
  page.Pixels = WhiteBitmap(page.Width, page.Height);
  cairo_t* cr = cairo_create(page.Pixels.Surface());
  poppler_page_render(first.get(), cr);
  cairo_destroy(cr);
  gchar* text = poppler_page_get_text(first.get());
  page.Text = text ? text : "";
  g_free(text);
  return page;
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The chart saved in all three formats; the SVG and the PDF, turned into pixels again, must show
// the PNG's picture.
class PictureExportTest : public SurfaceChart {
 protected:
  PictureExportTest() {
    UseAntiAliasedCanvas();
    std::filesystem::create_directories(dir_);
  }

  void ChartWithTextAndWalls() {
    series.SetActive(false);
    chart.SetBounds(0, 0, 500, 360);
    chart.Title().SetText("Export title");
    chart.Foot().SetText("Foot text");
    chart.LeftAxis().Title().SetCaption("Values");
    chart.BottomAxis().Title().SetCaption("Columns");
    chart.BackWall().SetColor(RGBColor(255, 240, 200));
    chart.LeftWall().SetColor(RGBColor(200, 230, 255));
    chart.BottomWall().SetColor(RGBColor(210, 255, 210));
    chart.LeftWall().SetSize(6);
    chart.BottomWall().SetSize(6);
  }

  void ChartWithSurface() {
    chart.SetBounds(0, 0, 500, 400);
    chart.SetChart3DPercent(60);
    chart.Title().SetText("Surface");
    FillGrid(31, 31, [](int x, int z) { return Bump(x, z, 31, 31); });
  }

  // Writes name.png, name.svg and name.pdf and compares them.
  void ExportAndCompare(const std::string& name, const std::string& title) {
    const std::string base = (dir_ / name).string();
    chart.SaveToFile(base + ".png");
    const TBitmap png = TBitmap::FromPNGFile(base + ".png");
    ASSERT_EQ(png.Width(), chart.Width());
    ASSERT_EQ(png.Height(), chart.Height());

    chart.SaveToFile(base + ".svg");
    int w = 0, h = 0;
    const TBitmap svg = SvgPixels(base + ".svg", w, h);
    svg.SaveToPNGFile(base + "_svg.png");
    {
      SCOPED_TRACE("SVG");
      ExpectSamePicture(png, svg);
    }

    chart.SaveToFile(base + ".pdf");
    const TPdfPage pdf = PdfPage(base + ".pdf");
    EXPECT_EQ(pdf.Pages, 1);
    pdf.Pixels.SaveToPNGFile(base + "_pdf.png");
    {
      SCOPED_TRACE("PDF");
      ExpectSamePicture(png, pdf.Pixels);
    }
    EXPECT_NE(pdf.Text.find(title), std::string::npos) << pdf.Text;
  }

  std::filesystem::path dir_ = std::filesystem::path(QUIL_TEST_OUTPUT_DIR) / "export";
};

TEST_F(PictureExportTest, ChartWithTextAndWallsLooksTheSameInEveryFormat) {
  ChartWithTextAndWalls();
  ExportAndCompare("chart_text_walls", "Export title");
  // Drawn as shapes, not as one picture of the whole chart.
  const std::string svg = FileText(dir_ / "chart_text_walls.svg");
  EXPECT_EQ(svg.find("<image"), std::string::npos);
  EXPECT_NE(svg.find("<path"), std::string::npos);
}

TEST_F(PictureExportTest, SurfaceLooksTheSameInEveryFormat) {
  ChartWithSurface();
  ExportAndCompare("surface", "Surface");
}

TEST_F(PictureExportTest, TheComparisonSeesAMissingTitle) {
  // The tolerance above must still tell a changed picture apart (a missing title moves about 2.5%
  // of the pixels far).
  ChartWithTextAndWalls();
  chart.Title().SetText("A long title that the other picture lacks");
  const TBitmap with = chart.CreatePicture(chart.Width(), chart.Height());
  chart.Title().SetVisible(false);
  const TBitmap without = chart.CreatePicture(chart.Width(), chart.Height());
  const TPictureDistance d = Distance(with, without);
  EXPECT_GE(d.FarShare, 0.002);
}

TEST_F(PictureExportTest, SavingLeavesTheScreenPictureAsItWas) {
  ChartWithSurface();
  const TBitmap before = Render();
  chart.SaveToFile((dir_ / "between_paints.svg").string(), 300, 200);
  const TBitmap after = Render();
  EXPECT_EQ(Distance(before, after).FarShare, 0);
  EXPECT_EQ(Distance(before, after).MeanChannel, 0);
}

TEST_F(PictureExportTest, GivenSizeAndExtensionInAnyCase) {
  ChartWithTextAndWalls();
  chart.SaveToFile((dir_ / "sized.SVG").string(), 320, 240);
  int w = 0, h = 0;
  SvgPixels((dir_ / "sized.SVG").string(), w, h);
  EXPECT_EQ(w, 320);
  EXPECT_EQ(h, 240);
  chart.SaveToFile((dir_ / "sized.Pdf").string(), 320, 240);
  const TPdfPage pdf = PdfPage((dir_ / "sized.Pdf").string());
  EXPECT_EQ(pdf.Width, 320);
  EXPECT_EQ(pdf.Height, 240);
  EXPECT_EQ(chart.Width(), 500);
}

}  // namespace
}  // namespace quil::testing
