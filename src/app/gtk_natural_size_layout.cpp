#include "app/gtk_natural_size_layout.h"

#include <gtk/gtk.h>

#include <algorithm>

namespace quil {
namespace {

struct TNaturalSizeLayout {
  GtkLayout parent;
  int naturalWidth;
  int naturalHeight;
};

struct TNaturalSizeLayoutClass {
  GtkLayoutClass parent;
};

GType NaturalSizeLayoutType();

TNaturalSizeLayout* AsNaturalSizeLayout(GtkWidget* widget) {
  return G_TYPE_CHECK_INSTANCE_CAST(widget, NaturalSizeLayoutType(), TNaturalSizeLayout);
}

void PreferredWidth(GtkWidget* widget, int* minimum, int* natural) {
  *minimum = 1;
  *natural = AsNaturalSizeLayout(widget)->naturalWidth;
}

void PreferredHeight(GtkWidget* widget, int* minimum, int* natural) {
  *minimum = 1;
  *natural = AsNaturalSizeLayout(widget)->naturalHeight;
}

void InitClass(void* klass, void*) {
  GtkWidgetClass* widgetClass = GTK_WIDGET_CLASS(klass);
  widgetClass->get_preferred_width = PreferredWidth;
  widgetClass->get_preferred_height = PreferredHeight;
}

void InitInstance(GTypeInstance* instance, void*) {
  auto* layout = reinterpret_cast<TNaturalSizeLayout*>(instance);
  layout->naturalWidth = 1;
  layout->naturalHeight = 1;
}

GType NaturalSizeLayoutType() {
  static const GType type = [] {
    GTypeInfo info{};
    info.class_size = sizeof(TNaturalSizeLayoutClass);
    info.class_init = InitClass;
    info.instance_size = sizeof(TNaturalSizeLayout);
    info.instance_init = InitInstance;
    return g_type_register_static(GTK_TYPE_LAYOUT, "QuilNaturalSizeLayout", &info, GTypeFlags(0));
  }();
  return type;
}

}  // namespace

GtkWidget* NewNaturalSizeLayout(int width, int height) {
  GtkWidget* layout = GTK_WIDGET(g_object_new(NaturalSizeLayoutType(), nullptr));
  SetNaturalSize(layout, width, height);
  return layout;
}

void SetNaturalSize(GtkWidget* layout, int width, int height) {
  TNaturalSizeLayout* self = AsNaturalSizeLayout(layout);
  self->naturalWidth = std::max(1, width);
  self->naturalHeight = std::max(1, height);
  gtk_widget_queue_resize(layout);
}

}  // namespace quil
