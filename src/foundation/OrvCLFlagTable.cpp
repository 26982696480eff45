// Option tables: building an option group from a record array and appending
// groups to the registry, both bounded by the table's room.
#include "OrvCLFlag.h"

namespace {

// Appends the records recs[0 .. n) (n < 0: up to the first kind-0 record)
// whose mask matches to the registry.  The terminator after the last
// record is rewritten on success only.
OrvResult AppendRecords(OrvCLFlagTable& registry, const OrvCLFlag* recs, int n,
                        VString& error, int mask) {
  int used = registry.RecordsInUse();
  if (recs) {
    for (int i = 0; n < 0 || i < n; ++i) {
      const OrvCLFlag& rec = recs[i];
      if (rec.kind == 0) break;
      if ((rec.mask & mask) == 0) continue;
      if (used >= ORV_CL_FLAG_TABLE_SIZE) {
        registry.count = used;
        error = VString("OrvAddCommandLineFlags: too many options");
        return ORV_TOO_MANY_OPTIONS;
      }
      registry.records[used++] = rec;
    }
  }
  registry.count = used;
  registry.records[used] = OrvCLFlag();
  return ORV_OK;
}

}  // namespace

OrvCLFlagTable::OrvCLFlagTable() : count(0) {
  for (OrvCLFlag& rec : records) rec = OrvCLFlag();
}

int OrvCLFlagTable::RecordsInUse() const {
  if (count < 0) return 0;
  if (count > ORV_CL_FLAG_TABLE_SIZE) return ORV_CL_FLAG_TABLE_SIZE;
  return count;
}

int OrvCLFlagWordCount(const VString* words) {
  int n = 0;
  if (words)
    while (words[n].length != 0) ++n;
  return n;
}

OrvResult BuildOptionGroup(OrvCLFlagTable& table, const OrvCLFlag* array, int mask,
                           VString& error) {
  OrvResult result = ORV_OK;
  int used = 0;
  for (const OrvCLFlag* rec = array; rec && rec->kind != 0; ++rec) {
    if ((rec->mask & mask) == 0) continue;
    if (used >= ORV_CL_FLAG_TABLE_SIZE) {
      error = VString("BuildOptionGroup: too many options");
      result = ORV_TOO_MANY_OPTIONS;
      break;
    }
    table.records[used++] = *rec;
  }
  table.records[used] = OrvCLFlag();
  table.count = used;
  return result;
}

OrvResult OrvAddCommandLineFlags(OrvCLFlagTable& registry, const OrvCLFlag* array,
                                 VString& error, int mask) {
  return AppendRecords(registry, array, -1, error, mask);
}

OrvResult OrvAddCommandLineFlags(OrvCLFlagTable& registry, const OrvCLFlagTable& group,
                                 VString& error, int mask) {
  return AppendRecords(registry, group.records, group.RecordsInUse(), error, mask);
}

OrvResult OrvAddCommandLineFlags(OrvCLFlagTable& registry, const OrvCLFlag& record,
                                 VString& error) {
  // One record is added whatever its mask; the terminator follows it.
  int used = registry.RecordsInUse();
  if (used >= ORV_CL_FLAG_TABLE_SIZE) {
    registry.count = used;
    error = VString("OrvAddCommandLineFlags: too many options");
    return ORV_TOO_MANY_OPTIONS;
  }
  registry.records[used++] = record;
  registry.records[used] = OrvCLFlag();
  registry.count = used;
  return ORV_OK;
}
