#include "mainwindow/scheme_assignments.h"

namespace lumidex {

std::vector<ControlColour> SchemeAssignments(const ColourScheme& scheme) {
  using R = ColourRole;
  const Colour row28 = scheme.Row(28), row35 = scheme.Row(35), row37 = scheme.Row(37),
               row39 = scheme.Row(39), row42 = scheme.Row(42);
  const Colour accent = scheme.accentColour();
  std::vector<ControlColour> out = {{"MugPlayBtn", R::kBackground, scheme.button}};
  for (std::string_view name :
       {"NamePanel", "Splitter2", "Panel9", "Panel7", "Panel14", "Panel1", "MyTrackBar1", "ProgressBar1"}) {
    out.push_back({name, R::kBackground, row39});
  }
  out.push_back({"Panel2", R::kBackground, row35});
  out.push_back({"Panel2", R::kText, row42});
  for (std::string_view name : {"Panel13", "Panel16", "Panel17"}) out.push_back({name, R::kBackground, row37});
  out.push_back({"Splitter1", R::kBackground, row35});
  out.push_back({"ProgressBar1", R::kBar, row28});
  out.push_back({"StatusBar1", R::kBackground, row28});
  out.push_back({"FreeAlbumPanel", R::kBackground, row28});
  for (std::string_view name :
       {"FreePanel", "Panel18", "Panel8", "ComboBox2", "ListView1", "ListView3", "TreeView1"}) {
    out.push_back({name, R::kBackground, scheme.light});
  }
  out.push_back({"Panel8", R::kText, row35});
  out.push_back({"ComboBox2", R::kText, row35});
  for (std::string_view name :
       {"Label3", "Panel4", "StaticText2", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"}) {
    out.push_back({name, R::kText, accent});
  }
  out.push_back({"Panel19", R::kBackground, accent});
  out.push_back({"Panel4", R::kBackground, row35});
  return out;
}

}  // namespace lumidex
