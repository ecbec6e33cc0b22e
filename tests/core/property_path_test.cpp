#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/component.h"
#include "core/exceptions.h"
#include "core/property_path.h"
#include "core/strings.h"
#include "scripted_reader.h"

namespace quil {
namespace {

class TPathTitle : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  TStrings& Text() { return text_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }

 private:
  TStrings text_;
  bool visible_ = true;
};

// A chart-like component: a title made on first access, a plain number and a link by name.
class TPathChart : public TComponent {
  QUIL_PERSISTENT_CLASS

 public:
  using TComponent::TComponent;

  bool HasTitle() const { return title_ != nullptr; }
  TPathTitle& Title() {
    if (!title_) title_ = std::make_unique<TPathTitle>();
    return *title_;
  }
  int Left() const { return left_; }
  void SetLeft(int v) { left_ = v; }
  TPathChart* Buddy() const { return buddy_; }
  void SetBuddy(TPathChart* v) { buddy_ = v; }

 private:
  std::unique_ptr<TPathTitle> title_;
  int left_ = 0;
  TPathChart* buddy_ = nullptr;
};

const TMetaClass& TPathTitle::StaticClass() {
  static const TMetaClass meta("TPathTitle", &TPersistent::StaticClass(),
                               TPropertyListBuilder<TPathTitle>()
                                   .Object("Text", &TPathTitle::Text)
                                   .Bool("Visible", &TPathTitle::Visible, &TPathTitle::SetVisible, true)
                                   .Build());
  return meta;
}

const TMetaClass& TPathChart::StaticClass() {
  static const TMetaClass meta("TPathChart", &TComponent::StaticClass(),
                               TPropertyListBuilder<TPathChart>()
                                   .Object("Title", &TPathChart::Title)
                                   .Int("Left", &TPathChart::Left, &TPathChart::SetLeft, 0)
                                   .Reference("Buddy", &TPathChart::Buddy, &TPathChart::SetBuddy)
                                   .Build(),
                               ComponentFactory<TPathChart>());
  return meta;
}

TEST(PropertyPath, WalksSubObjectsToTheLastSegment) {
  TPathChart chart;
  struct Case {
    const char* path;
    TPersistent* instance;
    const char* name;
    const char* property;  // nullptr: only a stream-only value can take it
  };
  const Case cases[] = {
      {"Left", &chart, "Left", "Left"},
      {"left", &chart, "left", "Left"},
      {"Title.Visible", &chart.Title(), "Visible", "Visible"},
      {"TITLE.TEXT", &chart.Title(), "TEXT", "Text"},
      {"Title.Text.Strings", &chart.Title().Text(), "Strings", nullptr},
      {"title.nothing", &chart.Title(), "nothing", nullptr},
      {"DefaultCanvas", &chart, "DefaultCanvas", nullptr},
      // An inner segment that names no property hands the whole path to the object reached.
      {"Nothing.Text", &chart, "Nothing.Text", nullptr},
      {"Title.Nothing.Text", &chart.Title(), "Title.Nothing.Text", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const TPropertyPathEnd end = ResolvePropertyPath(chart, c.path);
    EXPECT_EQ(end.Instance, c.instance);
    EXPECT_EQ(end.Name, c.name);
    if (c.property) {
      ASSERT_NE(end.Property, nullptr);
      EXPECT_EQ(end.Property->Name, c.property);
    } else {
      EXPECT_EQ(end.Property, nullptr);
    }
  }
}

TEST(PropertyPath, CreatesSubObjectsOnTheWay) {
  TPathChart chart;
  ASSERT_FALSE(chart.HasTitle());
  const TPropertyPathEnd end = ResolvePropertyPath(chart, "Title.Text.Strings");
  EXPECT_TRUE(chart.HasTitle());
  EXPECT_EQ(end.Instance, &chart.Title().Text());
}

TEST(PropertyPath, SegmentThatIsNoObjectFails) {
  TPathChart chart;
  for (const char* path : {"Left.Value", "Buddy.Left", "Title.Visible.X"}) {
    SCOPED_TRACE(path);
    try {
      ResolvePropertyPath(chart, path);
      FAIL() << "walked through a non-object";
    } catch (const EPropertyError& e) {
      EXPECT_STREQ(e.what(), "Invalid property path");
    }
  }
}

TEST(PropertyPath, FollowsAReferenceThatIsSet) {
  TPathChart chart;
  TPathChart buddy;
  chart.SetBuddy(&buddy);
  const TPropertyPathEnd end = ResolvePropertyPath(chart, "Buddy.Left");
  EXPECT_EQ(end.Instance, &buddy);
  ASSERT_NE(end.Property, nullptr);
  EXPECT_EQ(end.Property->Name, "Left");
}

TEST(PropertyPath, StoredTitleTextReplacesTheLines) {
  // The way a form reader fills "Title.Text.Strings": walk the path, then let the object's
  // stream-only value read the list.
  TPathChart chart;
  chart.Title().Text().Add("old");
  const TPropertyPathEnd end = ResolvePropertyPath(chart, "title.text.strings");
  ASSERT_EQ(end.Property, nullptr);
  test::TScriptedReader reader({test::TListBegin{}, std::string("ROvede"), test::TListEnd{}});
  test::TDefinedPropertyRunner runner(end.Name, reader);
  ASSERT_TRUE(runner.Run(*end.Instance));
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(chart.Title().Text().Lines(), std::vector<std::string>{"ROvede"});
}

}  // namespace
}  // namespace quil
