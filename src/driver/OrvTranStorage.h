// OrvTranStorage: the transformations loaded so far and the directories in
// which their files are looked up, one file per transformation instance
// (DIR/NAME.orv).  It finds, creates, loads, saves, deletes and renames
// transformations by instance name.  OrvTheTranStorage serves the reference
// records of every transformation.
#ifndef LARK_DRIVER_ORVTRANSTORAGE_H
#define LARK_DRIVER_ORVTRANSTORAGE_H

#include "OrvResult.h"
#include "VString.h"
#include "VStringList.h"

class OrvTransform;

// The directory text that stands for an empty directory entry in paths.
extern const char* const OrvTransNoDirText;  // "-(no-dir)-"
// The file suffix of a stored transformation.
extern const char* const OrvTransFileSuffix;  // ".orv"
// The version the writer puts at the head of every file.
extern const char* const OrvTransFileVersion;  // "4-2-0"

// DIR/NAME.orv, with "-(no-dir)-" for an empty DIR.
VString OrvTransPath(const VString& dir, const VString& name);

class OrvTranStorage {
public:
  static constexpr int Capacity = 1024;

  // Searches "." and holds nothing.
  OrvTranStorage();
  OrvTranStorage(const OrvTranStorage&) = delete;
  OrvTranStorage& operator=(const OrvTranStorage&) = delete;

  // 1 when a loaded transformation is named `name` (the first one goes to
  // *found when asked), else 0.
  int FindInMem(const VString& name, OrvTransform** found = nullptr) const;
  // 1 when some directory of `dirs` holds NAME.orv (the first such entry's
  // own text, empty for an empty entry, goes to *dir when asked), else 0.
  int FindFile(const VString& name, VString* dir = nullptr) const;
  // FindInMem, or else FindFile.
  int Exists(const VString& name, OrvTransform** found = nullptr, VString* dir = nullptr) const;

  // Adds a transformation whose name is neither loaded nor on file: 0,
  // ORV_TRANSFORM_DUPLICATE, or ORV_TRANSFORM_REGISTRY_FULL when 1024 are
  // loaded.  The storage does not own what it holds.
  OrvResult New(OrvTransform* t, VString& error);
  // Adds a transformation without the duplicate test: 0 or
  // ORV_TRANSFORM_REGISTRY_FULL.
  OrvResult Load(OrvTransform* t, VString& error);
  // The loaded transformation named `name`, or else the one read from the
  // first directory that holds its file (loaded, its dir_name set to that
  // directory).  0; ORV_TRANSFORM_NOT_FOUND when no directory holds it; a
  // reading result; ORV_TRANSFORM_REGISTRY_FULL (`found` then still holds
  // the object read).
  OrvResult Get(const VString& name, OrvTransform*& found, VString& error);
  // Writes `t` to its own file (OrvTransform::Save).
  OrvResult Save(const OrvTransform* t, VString& error);
  // Forgets the loaded transformation named `name` without deleting it.  0,
  // or with `must_exist` ORV_TRANSFORM_NOT_FOUND when none is loaded.
  OrvResult DelFromMem(const VString& name, int must_exist, VString& error);
  // Deletes NAME.orv from the directories of `dirs` that hold it, each
  // directory once, stopping at a hit in an empty entry.  0 (more than one
  // file deleted: 0 with a note in `error`); ORV_TRANSFORM_NOT_FOUND with
  // `must_exist` when none was deleted; the removal's result.
  OrvResult DelFromFile(const VString& name, int must_exist, VString& error);
  // DelFromMem, then (when that succeeded) DelFromFile.
  OrvResult Del(const VString& name, int must_exist, VString& error);
  // Gives the transformation `oldName` the name `newName` and the directory
  // `dir` and writes it there before any file or entry of the old name
  // goes, so that a failure changes nothing.  The same name and directory
  // only save it.  ORV_TRANSFORM_DUPLICATE when `newName` exists and
  // `overwrite` is 0; with `update_refs`, ORV_TRANS_UPDATE_REFS after the
  // rename (references are not updated).
  OrvResult Rename(const VString& oldName, const VString& newName, const VString& dir,
                   int overwrite, int update_refs, VString& error);

  VStringList dirs;  // the directories to search, in order
  int count;         // loaded transformations
  OrvTransform* items[Capacity];  // in load order; not owned

private:
  // Takes `t` out of `items` (order kept); whether it was there.
  bool Forget(const OrvTransform* t);
  // DelFromFile's visit; a file at `spare` stays.
  OrvResult DeleteFiles(const VString& name, const VString* spare, int& deleted, VString& error);
};

// The storage of the process; freed at exit.
extern OrvTranStorage OrvTheTranStorage;

#endif
