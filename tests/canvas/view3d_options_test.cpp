#include "canvas/view3d_options.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/control.h"

namespace quil {
namespace {

class TCountingControl : public TControl {
 public:
  void Invalidate() override { ++invalidations; }
  int invalidations = 0;
};

TEST(View3DOptions, StartsWithTheStoredDefaults) {
  TView3DOptions o;
  EXPECT_EQ(o.Elevation(), 345);
  EXPECT_EQ(o.Rotation(), 345);
  EXPECT_EQ(o.Perspective(), 15);
  EXPECT_EQ(o.OrthoAngle(), 45);
  EXPECT_TRUE(o.Orthogonal());
  EXPECT_EQ(o.Zoom(), 100);
  EXPECT_EQ(o.ZoomText(), ztManual);
  for (const TPropInfo* p : o.ClassType().Properties()) EXPECT_FALSE(p->IsStored(o)) << p->Name;
}

TEST(View3DOptions, IntPropertiesRoundTheDoublesTiesToEven) {
  TView3DOptions o;
  o.SetElevationFloat(10.5);
  EXPECT_EQ(o.Elevation(), 10);
  o.SetRotationFloat(11.5);
  EXPECT_EQ(o.Rotation(), 12);
  o.SetHorizOffsetFloat(-2.5);
  EXPECT_EQ(o.HorizOffset(), -2);
  const TPropInfo* zoom = o.ClassType().FindProperty("Zoom");
  ASSERT_NE(zoom, nullptr);
  zoom->Set(o, TPropValue(int64_t(120)));
  EXPECT_DOUBLE_EQ(o.ZoomFloat(), 120.0);
  o.SetZoomFloat(87.5);
  EXPECT_EQ(std::get<int64_t>(zoom->Get(o)), 88);
}

TEST(View3DOptions, ZoomTellsBeforeChangingAndRepaintsOnlyOnRealChanges) {
  TCountingControl parent;
  TView3DOptions o(&parent);
  std::vector<std::pair<int, double>> told;  // (new value, value at the time)
  o.OnChangedZoom = [&](TView3DOptions& sender, int newZoom) { told.push_back({newZoom, sender.ZoomFloat()}); };
  o.SetZoomFloat(150.4);
  o.SetZoomFloat(150.4);
  o.SetZoom(150);
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0], (std::pair<int, double>{150, 100.0}));
  EXPECT_EQ(told[1], (std::pair<int, double>{150, 150.4}));
  EXPECT_EQ(parent.invalidations, 2);
  o.SetPerspective(15);
  o.SetOrthogonal(true);
  EXPECT_EQ(parent.invalidations, 2);
  o.SetTilt(4);
  EXPECT_EQ(parent.invalidations, 3);
}

TEST(View3DOptions, OffsetsReportScrolling) {
  TView3DOptions o;
  std::vector<bool> scrolled;
  o.OnScrolled = [&](TView3DOptions&, bool horizontal) { scrolled.push_back(horizontal); };
  o.SetHorizOffset(5);
  o.SetVertOffset(-3);
  o.SetVertOffset(-3);
  EXPECT_EQ(scrolled, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace quil
