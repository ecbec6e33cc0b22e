// Writes the seed corpus of the form reader's fuzz target into a folder: the main window's
// description and variants made by the writer (charts with points, titles, tools, palettes),
// and a libFuzzer dictionary of every property path, value name and class name a window,
// chart, series and button answer, as the short strings the format stores them in.
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/embedded_form.h"
#include "app/library_startup.h"
#include "app/main_form.h"
#include "chart/rovede.h"
#include "engine/rovede_axis.h"
#include "engine/themed_series.h"

namespace {

void Save(const std::string& folder, const std::string& name, const std::vector<uint8_t>& bytes) {
  std::ofstream out(folder + "/" + name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

quil::ROvede& AddChart(quil::TForm& form, const std::string& name) {
  auto& chart = quil::MakeOwned<quil::ROvede>(form);
  chart.SetName(name);
  chart.SetParent(&form);
  chart.SetBounds(10, 10, 150, 110);
  return chart;
}

quil::TThemedSeries& AddSeries(quil::TForm& form, quil::ROvede& chart, const std::string& name, int points) {
  auto& series = quil::MakeOwned<quil::TThemedSeries>(form);
  series.SetName(name);
  series.SetParenrOvede(&chart);
  for (int i = 0; i < points; ++i) series.AddXY(i, (i * 7) % 5, i % 2 ? "odd" : "", i == 2 ? quil::clRed : quil::clQuilColor);
  return series;
}

void CollectPaths(quil::TPersistent& object, const std::string& prefix, int depth, std::set<std::string>& tokens) {
  for (const quil::TPropInfo* p : object.ClassType().Properties()) {
    tokens.insert(prefix + p->Name);
    if (p->Enum)
      for (const std::string& name : p->Enum->Names) tokens.insert(name);
    if (p->Idents)
      for (const auto& entry : p->Idents->Entries) tokens.insert(entry.first);
    if (p->Kind != quil::TPropKind::Class || p->SetObject || !p->Object || depth >= 3) continue;
    if (quil::TPersistent* sub = p->Object(object)) CollectPaths(*sub, prefix + p->Name + ".", depth + 1, tokens);
  }
}

void SaveDictionary(const std::string& path, const std::set<std::string>& tokens) {
  std::ofstream out(path);
  out << "\"KWD0\"\n";
  for (const std::string& token : tokens) {
    if (token.empty() || token.size() > 255) continue;
    char length[8];
    std::snprintf(length, sizeof length, "\\x%02x", static_cast<unsigned>(token.size()));
    out << '"' << length;
    for (char c : token) {
      if (c == '"' || c == '\\') out << '\\';
      out << c;
    }
    out << "\"\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_seeds FOLDER DICTIONARY\n");
    return 2;
  }
  const std::string folder = argv[1];
  const quil::TLibraryStartup library;
  Save(folder, "main_window", {quil::embedded::TFORM1, quil::embedded::TFORM1 + quil::embedded::TFORM1_size});

  {
    quil::TForm1 form;
    form.SetName("Form1");
    auto& chart = AddChart(form, "Chart1");
    chart.Title().SetText("Seed\rtwo lines");
    chart.SetColorPaletteIndex(3);
    AddSeries(form, chart, "Series1", 6);
    Save(folder, "chart_with_points", quil::WriteFormDescription(form));
  }
  {
    quil::TForm1 form;
    form.SetName("Form1");
    auto& chart = AddChart(form, "Chart1");
    chart.SetColorPalette({quil::clRed, quil::clBlue, quil::clLime});
    chart.LeftAxis().SetAutomatic(false);
    chart.LeftAxis().SetMinMax(-5, 5);
    AddSeries(form, chart, "Series1", 3);
    AddSeries(form, chart, "Series2", 0).SetTitle("empty");
    auto& button = quil::MakeOwned<quil::TButton>(form);
    button.SetName("Button1");
    button.SetParent(&form);
    button.SetCaption("caf\xc3\xa9");
    Save(folder, "two_series_and_button", quil::WriteFormDescription(form));

    std::set<std::string> tokens;
    for (quil::TComponent* c : std::initializer_list<quil::TComponent*>{&form, &chart, &button, form.FindComponent("Series1")}) {
      tokens.insert(c->ClassName());
      CollectPaths(*c, "", 0, tokens);
    }
    for (const char* name : {"TSurfaceSeries", "TLegendPaletteTool", "TForm1", "DefaultCanvas", "ColorPaletteIndex",
                             "ColorPalette", "BackColor", "BorderStyle", "PrintMargins", "Data", "Identifier", "Style",
                             "Strings", "TextHeight", "Multiplier", "Items", "ZZero", "AxisID", "TGDIPlusCanvas",
                             "TQuilCanvas3D"})
      tokens.insert(name);
    SaveDictionary(argv[2], tokens);
  }
  return 0;
}
