#include <filesystem>

#include "canvas/quil_canvas3d.h"
#include "panel/strings_shape.h"
#include "shape_fixture.h"

namespace quil {
namespace {

// One sheet with the text and raster output of the plain canvas and a set of text boxes,
// written to the test output folder for a person to look at.
class TextSheet : public ShapeTest {
 protected:
  void SetUp() override {
    ShapeTest::SetUp();
    panel->SetBounds(0, 0, 640, 560);
  }

  TCanvas3D& C() { return panel->Canvas(); }

  void Cross(int x, int y) {
    C().Pen().SetStyle(psSolid);
    C().Pen().SetWidth(1);
    C().Pen().SetColor(clRed);
    C().Line(x - 3, y, x + 4, y);
    C().Line(x, y - 3, x, y + 4);
  }

  void Font(int size, TColor color = clBlack) {
    TQuilFont f;
    f.SetSize(size);
    f.SetColor(color);
    C().AssignFont(f);
  }

  void Alignments() {
    Font(8);
    const int aligns[3][3] = {{TA_LEFT | TA_TOP, TA_CENTER | TA_TOP, TA_RIGHT | TA_TOP},
                              {TA_LEFT | TA_BOTTOM, TA_CENTER | TA_BOTTOM, TA_RIGHT | TA_BOTTOM},
                              {TA_LEFT | TA_BASELINE, TA_CENTER | TA_BASELINE, TA_RIGHT | TA_BASELINE}};
    const char* names[3] = {"top", "bottom", "base"};
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col < 3; ++col) {
        const int x = 50 + col * 90, y = 20 + row * 26;
        C().SetTextAlign(aligns[row][col]);
        C().TextOut(x, y, std::string(names[row]) + "gW");
        Cross(x, y);
      }
    }
    C().SetTextAlign(TA_LEFT);
  }

  void Rotations() {
    Font(10, clNavy);
    const double angles[] = {0, 90, 45, 180, 270};
    const int xs[] = {330, 400, 440, 580, 610};
    for (int i = 0; i < 5; ++i) {
      const int x = xs[i], y = 70;
      C().RotateLabel(x, y, "Turn " + std::to_string(int(angles[i])), angles[i], false);
      Cross(x, y);
    }
    auto* plain = dynamic_cast<TQuilCanvas3D*>(&C());
    plain->SetCharacterAngle(30);
    C().RotateLabel(330, 100, "Glyphs at 30", 0, false);
    plain->SetCharacterAngle(0);
  }

  void Effects() {
    TQuilFont f;
    f.SetSize(16);
    f.SetStyle(fsBold);
    f.SetColor(clMaroon);
    f.Shadow().SetSize(3);
    f.Shadow().SetColor(clGray);
    C().AssignFont(f);
    C().TextOut(20, 110, "Soft shadow");
    f.Shadow().SetSmooth(false);
    f.Shadow().SetTransparency(0);
    f.Shadow().SetHorizSize(-3);
    C().AssignFont(f);
    C().TextOut(20, 140, "Hard, left");
    f.Shadow().Hide();
    C().Pen().SetStyle(psClear);
    C().Brush().SetColor(clSilver);
    C().Rectangle(175, 104, 280, 134);
    f.Emboss().Show();
    f.Emboss().SetSize(1);
    f.Emboss().SetColor(clWhite);
    f.Emboss().SetTransparency(0);
    f.SetColor(clGray);
    C().AssignFont(f);
    C().TextOut(180, 110, "Emboss");
    f.Emboss().Hide();
    f.SetSize(22);
    f.OutLine().Show();
    f.OutLine().SetColor(clBlue);
    f.SetColor(clYellow);
    C().AssignFont(f);
    C().TextOut(20, 170, "Outlined");
    f.SetColor(clNone);
    C().AssignFont(f);
    C().TextOut(170, 170, "Hollow");
    f.OutLine().Hide();
    f.SetColor(clBlack);
    f.SetSize(28);
    f.Brush().Gradient().SetStartColor(clYellow);
    f.Brush().Gradient().SetEndColor(clRed);
    f.Brush().Gradient().SetDirection(gdLeftRight);
    f.Brush().Gradient().SetVisible(true);
    C().AssignFont(f);
    C().TextOut(330, 140, "Gradient");
    f.Brush().Gradient().SetVisible(false);
    TBitmap stripes(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) stripes.SetPixel(x, y, (x + y) % 4 < 2 ? clGreen : clAqua);
    f.Brush().Image().SetGraphic(stripes);
    C().AssignFont(f);
    C().RotateLabel(490, 160, "Picture", 15, false);
  }

  void Boxes(std::vector<std::unique_ptr<TTextShape>>& keep) {
    auto box = [&](const std::string& text, int x, int y) -> TTextShape& {
      keep.push_back(std::make_unique<TStringsShape>(panel.get()));
      TTextShape& b = *keep.back();
      b.SetText(text);
      b.ShapeBounds = {x, y, x, y};
      return b;
    };
    box("Framed text box", 20, 220);
    TTextShape& rounded = box("Rounded\r\nwith gradient", 150, 220);
    rounded.SetRoundSize(12);
    rounded.SetTextAlignment(taCenter);
    rounded.Gradient().SetStartColor(clWhite);
    rounded.Gradient().SetEndColor(RGBColor(120, 160, 255));
    rounded.Gradient().SetVisible(true);
    rounded.Shadow().SetSize(5);
    TTextShape& ellipse = box("Ellipse", 290, 220);
    ellipse.SetShapeStyle(fosEllipse);
    ellipse.SetColor(RGBColor(255, 230, 180));
    ellipse.Margins().SetUnits(maPixels);
    ellipse.Margins().SetLeft(8);
    ellipse.Margins().SetTop(6);
    ellipse.Margins().SetRight(8);
    ellipse.Margins().SetBottom(6);
    TTextShape& callout = box("Callout", 400, 220);
    callout.ShapeCallout().SetSide(csBottom);
    callout.ShapeCallout().SetSize(15);
    callout.ShapeCallout().SetPointPosition(20);
    callout.SetColor(clInfoBk());
    TTextShape& bevel = box("Raised bevel", 500, 220);
    bevel.SetBevel(bvRaised);
    bevel.Margins().SetUnits(maPixels);
    bevel.Margins().SetLeft(3);
    bevel.Margins().SetTop(3);
    bevel.Margins().SetRight(3);
    bevel.Margins().SetBottom(3);
    bevel.SetColor(clSilver);
    bevel.Shadow().Hide();
    TTextShape& clear = box("Translucent", 20, 290);
    clear.SetColor(clBlue);
    clear.SetTransparency(60);
    clear.Font().SetColor(clWhite);
    clear.Font().SetSize(12);
    TTextShape& right = box("Right\r\naligned\r\nlines", 150, 290);
    right.SetTextAlignment(taRightJustify);
    right.Frame().SetWidth(2);
    right.Frame().SetColor(clGreen);
    TTextShape& turned = box("Turned 30", 260, 290);
    turned.SetAngle(30);
    turned.SetColor(clLime);
    TTextShape& parent = box("Parent", 380, 290);
    parent.SetColor(RGBColor(230, 230, 250));
    auto& child = static_cast<TTextShape&>(parent.Children().Add());
    child.SetText("Child one");
    child.SetColor(clYellow);
    child.Shadow().Hide();
    auto& child2 = static_cast<TTextShape&>(parent.Children().Add());
    child2.SetText("Child two");
    child2.SetAlignment(taRightJustify);
    child2.Shadow().Hide();
    TTextShape& transparent = box("Transparent box", 500, 290);
    transparent.SetTransparent(true);
    for (auto& b : keep) {
      b->CalcBounds(*panel);
      b->Draw();
    }
  }

  static TColor clInfoBk() { return RGBColor(255, 255, 225); }

  void Raster() {
    const TBrushStyle hatches[] = {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross};
    C().Pen().SetStyle(psSolid);
    C().Pen().SetColor(clBlack);
    C().Pen().SetWidth(1);
    for (int i = 0; i < 6; ++i) {
      TQuilBrush b;
      b.SetStyle(hatches[i]);
      C().AssignBrushColor(b, clNavy, i % 2 ? clNone : clYellow);
      C().Rectangle(20 + i * 45, 380, 60 + i * 45, 420);
    }
    const TPenStyle styles[] = {psSolid, psDash, psDot, psDashDot, psDashDotDot};
    for (int i = 0; i < 5; ++i) {
      C().Pen().SetStyle(styles[i]);
      C().Line(20, 440 + i * 8, 290, 440 + i * 8);
    }
    C().Pen().SetStyle(psSolid);
    C().Pen().SetSmallDots(true);
    C().Pen().SetSmallSpace(2);
    C().Line(20, 485, 290, 485);
    C().Pen().SetSmallDots(false);
    C().Pen().SetWidth(7);
    C().Pen().SetColor(clTeal);
    C().Pen().SetEndStyle(esFlat);
    C().Pen().SetJoinStyle(jsMitter);
    C().Polyline(std::vector<TPoint>{{30, 540}, {80, 500}, {130, 540}});
    C().Pen().SetEndStyle(esRound);
    C().Pen().SetJoinStyle(jsRound);
    C().Polyline(std::vector<TPoint>{{160, 540}, {210, 500}, {260, 540}});
    C().Pen().SetWidth(1);
    C().Pen().SetStyle(psClear);
    C().Brush().Clear();
    C().Brush().SetStyle(bsSolid);
    C().Brush().SetColor(clSilver);
    C().Rectangle(296, 376, 364, 424);
    C().Pen().SetStyle(psSolid);
    TRect bevel{300, 380, 360, 420};
    C().Frame3D(bevel, clWhite, clGray, 3);

    TBitmap small(6, 6);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) small.SetPixel(x, y, RGBColor(x * 50, y * 50, (x + y) % 2 ? 255 : 60));
    C().SetStretchDrawQuality(sqHigh);
    C().StretchDraw({380, 380, 500, 500}, small);
    C().SetStretchDrawQuality(sqLow);
    C().StretchDraw({510, 380, 630, 500}, small);
    C().SetStretchDrawQuality(sqHigh);
    Font(8);
    C().SetTextAlign(TA_CENTER);
    C().TextOut(440, 505, "SmoothStretch");
    C().TextOut(570, 505, "backend scaling");
    C().SetTextAlign(TA_LEFT);
  }

  const TBitmap& PaintSheet() {
    std::vector<std::unique_ptr<TTextShape>> boxes;
    return Paint([&] {
      C().SetBackMode(cbmTransparent);
      Alignments();
      Rotations();
      Effects();
      Boxes(boxes);
      Raster();
    });
  }
};

TEST_F(TextSheet, DrawsTheSheetAndSavesIt) {
  const TBitmap first = PaintSheet();
  std::filesystem::create_directories(QUIL_TEST_OUTPUT_DIR);
  first.SaveToPNGFile(std::string(QUIL_TEST_OUTPUT_DIR) + "/text_sheet.png");
  const TBitmap& second = PaintSheet();
  int differences = 0;
  for (int y = 0; y < 560; ++y)
    for (int x = 0; x < 640; ++x) differences += first.Pixel(x, y) != second.Pixel(x, y);
  EXPECT_EQ(differences, 0) << "the same sheet twice gives the same pixels";
  EXPECT_GT(Count(clNavy, {0, 0, 640, 120}), 100);
}

}  // namespace
}  // namespace quil
