#include "authoring/inventory_writer.h"

#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"

namespace sw {

namespace {

void Flag(ValueWriter& w, bool on) {
  w.Integer(on ? 1 : 0);
}

}  // namespace

void WriteItem(const ProjectWriter& project, const std::string& name, const std::string& iconFile) {
  ValueWriter w;
  // The editor keeps its own description after the icon; the player reads only the icon.
  w.String(iconFile).EndLine();
  w.String(name).EndLine();
  project.WriteRaw("Areas/" + name + ".obj", w.bytes());
}

void WritePickUps(const ProjectWriter& project, const std::string& frame,
                  const std::vector<PickUpSpec>& records) {
  ValueWriter w;
  for (const PickUpSpec& r : records) {
    w.Integer(0).Integer(r.Hotspot);
    for (int i = 0; i < 8; ++i) w.Integer(0);
    w.EndLine();
    Flag(w, r.PickItem);
    if (r.PickItem) w.String(r.Item);
    w.EndLine();
    w.String(ValueReader::kSeparator).EndLine();
  }
  project.WriteRaw("FramesData/" + frame + ".fm4", w.bytes());
}

void WriteCombination(const ProjectWriter& project, const std::string& dragged,
                      const std::string& target, const CombinationSpec& c) {
  ValueWriter w;
  Flag(w, c.RemoveDragged);
  Flag(w, c.RemoveTarget);
  w.EndLine();
  Flag(w, c.AddResult);
  w.String(c.ResultItem).EndLine();
  if (!c.EndAfterResult) {
    w.Integer(0).Integer(0).Integer(0).EndLine();
    w.Boolean(c.ScriptEnabled).String(c.ScriptText).EndLine();
  }
  project.WriteRaw("Areas/" + dragged + "_on_" + target + ".drg", w.bytes());
}

}  // namespace sw
