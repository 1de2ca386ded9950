#include "authoring/inventory_writer.h"

#include "core/project/inventory_records.h"
#include "core/valuefile/value_writer.h"

namespace sw {

namespace {

Variant Flag(bool on) {
  return Variant(static_cast<int16_t>(on ? 1 : 0));
}

}  // namespace

void WriteItem(const ProjectWriter& project, const std::string& name, const std::string& iconFile) {
  ValueWriter w;
  WriteItemRecord(w, ItemRecord{iconFile});
  project.WriteText("Areas/" + name + ".obj", w.bytes());
}

void WritePickUps(const ProjectWriter& project, const std::string& frame,
                  const std::vector<PickUpSpec>& records) {
  ValueWriter w;
  for (const PickUpSpec& pickUp : records) {
    PickUpRecord r;
    r.HotspotIndex = pickUp.Hotspot;
    r.PickItem = Flag(pickUp.PickItem);
    r.PickedItemName = pickUp.Item;
    WritePickUpRecord(w, r);
  }
  project.WriteText("FramesData/" + frame + ".fm4", w.bytes());
}

void WriteCombination(const ProjectWriter& project, const std::string& dragged,
                      const std::string& target, const CombinationSpec& c) {
  CombinationRecord r;
  r.RemoveDraggedItem = Flag(c.RemoveDragged);
  r.RemoveTargetItem = Flag(c.RemoveTarget);
  r.AddResultItem = Flag(c.AddResult);
  r.ResultItemName = Variant(c.ResultItem);
  r.ScriptEnabled = c.ScriptEnabled;
  r.ScriptText = c.ScriptText;
  ValueWriter w;
  WriteCombinationRecord(w, r, c.EndAfterResult ? 4 : 9);
  project.WriteText("Areas/" + dragged + "_on_" + target + ".drg", w.bytes());
}

}  // namespace sw
