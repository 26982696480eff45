// OrvTransform: the base class of tree transformations, with the registry
// that recreates transformation classes by name, the table of live
// transformation objects, the reference records by which one transformation
// uses others, and the search engine that applies a transformation over a
// tree.  Concrete transformations derive from it and supply ApplyOnce.
#ifndef LARK_DRIVER_ORVTRANSFORM_H
#define LARK_DRIVER_ORVTRANSFORM_H

#include <cstddef>
#include <iosfwd>

#include "OrvCLFlag.h"
#include "OrvResult.h"
#include "VString.h"

class OrvExpr;
class OrvExprIter;
class OrvLinkList;
class OrvParser;
class OrvPrettyPrinter;
class OrvTokenList;
class OrvTransform;
struct OrvTransWalkCtx;

// Results of the framework beside the registry's (110 to 112, OrvResult.h).
const OrvResult ORV_TRANS_UPDATE_REFS = 20;       // Rename cannot update references
const OrvResult ORV_TRANS_CLASS_NOT_FOUND = 60;   // NewByName: no such class
const OrvResult ORV_TRANS_NOT_APPLIED = 65;       // the transformation does not apply here
const OrvResult ORV_TRANS_NODE_REMOVED = 66;      // the walked node left the tree
const OrvResult ORV_TRANS_STACK_FULL = ORV_PATH_OVERFLOW;  // 67: nesting or path too deep
const OrvResult ORV_TRANS_ITER_END = 68;          // the iterator ran out of nodes

// Makes a new object of one registered class.
typedef OrvTransform* (*OrvTransFactory)();
// Non-zero cuts `node`'s subtree off a walk that started at `root`.
typedef int (*OrvTransCutOffFn)(OrvExpr* node, OrvExpr* root);
// The walk that ApplyAll runs from one node.
typedef OrvResult (*OrvTransWalkFn)(OrvExpr* node, OrvTransWalkCtx* ctx);
// Receives the messages the framework does not return to a caller.
typedef void (*OrvTransErrorHandlerFn)(const VString& message);

// Whether two names are equal: same length and same text.  Registry,
// storages, references and the applied-transformation map find their
// entries this way.
inline bool OrvTransSameName(const VString& a, const VString& b) {
  return a.length == b.length && a.Compare(b) == 0;
}

// One reference of a transformation to another, by instance name.  The
// record owns nothing itself: copying it copies the pointer, and the
// referrer deletes an owned target.
class OrvTransRef {
public:
  VString name;             // instance name of the referenced transformation
  OrvTransform* transform;  // the referenced object once resolved, else null
  int owned;                // non-zero: deleted with the referrer, cloned with it
  int active;               // non-zero: resolved and prepared by Prepare

  // An empty reference.
  OrvTransRef() : transform(nullptr), owned(0), active(0) {}
  // A reference to `target` (name = its name, empty for null) with the
  // owned flag; not active.
  OrvTransRef(OrvTransform* target, int ownedFlag);
  // A reference by name that takes over `pointer` (owned exactly when it is
  // not null); active.  The variable becomes null.
  OrvTransRef(const VString& refName, OrvTransform*& pointer);

  // The referenced object: an owned one as it is, otherwise looked up by
  // name in OrvTheTranStorage (loaded from its file when needed).  A failed
  // look-up other than "not found" goes to OrvTransErrorHandler.  Null when
  // there is none.
  OrvTransform* Get();
  // The same look-up; a failure appends an MSG_ERR token with its text to
  // `messages` (when given) and answers the storage's result; else 0.
  OrvResult Resolve(OrvTokenList* messages);
  // Deletes an owned target; the reference then points at nothing.
  void Release();
};

// One registered class: its name, its description and its factory.
struct OrvTransClass {
  VString className;
  VString description;
  OrvTransFactory factory = nullptr;
};

// The process-wide registry of transformation classes, in registration order.
struct OrvTransRegistry {
  static constexpr int Capacity = 1024;
  int count = 0;
  OrvTransClass entries[Capacity];
};
// The registry, made on first use; its strings are freed at process exit.
OrvTransRegistry& OrvTransClasses();

// Every transformation object made with new, in allocation order.  Slots
// of deleted objects are null until a full table is compacted.
struct OrvTransLiveTable {
  static constexpr int Capacity = 1024;
  OrvTransform* slots[Capacity];
  int fill;  // slots in use, freed ones included
  int live;  // non-null slots
};
extern OrvTransLiveTable OrvTransLiveObjects;

// The framework's error handler; initially OrvTransDefaultErrorHandler.
extern OrvTransErrorHandlerFn OrvTransErrorHandler;
// Writes "ERROR: ", the message and a line end on standard output.  The
// message is not counted as an error of the run.
void OrvTransDefaultErrorHandler(const VString& message);

class OrvTransform {
public:
  // Most references one transformation holds.
  static constexpr int MaxRefs = 128;

  // --- virtual operations, in slot order --------------------------------
  // A new copy of the object (owned references cloned, see the copy
  // constructor).
  virtual OrvTransform* Clone() const = 0;
  // Deletes the targets of owned references.
  virtual ~OrvTransform();
  virtual int Slot3() const;
  // Non-zero (the default): the engine tracks the tree by identity after an
  // application, so that a replaced or removed node is neither walked nor
  // handed back.
  virtual int Slot4() const;
  virtual int Slot5() const;
  // The class name and description; the base answers a text saying that
  // the abstract class must not be allocated.
  virtual VString ClassName() const;
  virtual VString ClassDescr() const;
  // Fills `options` before the tool driver registers them; the base adds
  // nothing.  A result other than 0 ends the driver's run.
  virtual OrvResult AddOptions();
  // The work of Transform; the base does nothing and answers 0.
  virtual OrvResult TransformNode(OrvParser* parser, OrvPrettyPrinter* printer,
                                  OrvTokenList* messages);
  // The driver's per-file step before the search: calls TransformNode.
  virtual OrvResult Transform(const VString& inputFile, OrvParser* parser,
                              OrvPrettyPrinter* printer, OrvTokenList* messages);
  // The driver's step before a file is parsed; the base answers 0.
  virtual OrvResult PreProcess(const VString& inputFile, OrvParser* parser,
                               OrvPrettyPrinter* printer, OrvTokenList* messages);
  // Resolves the active references and prepares each of their targets;
  // the first result other than 0 is answered.
  virtual OrvResult Prepare(OrvTokenList* messages);
  // Tries the transformation at `node`: 0 applied (or, in mode 0, found),
  // ORV_TRANS_NOT_APPLIED, ORV_TRANS_NODE_REMOVED or an error.  Mode 0 only
  // finds; any other mode transforms.  May set *after (when given) to the
  // node that stands where `node` stood.
  virtual OrvResult ApplyOnce(OrvExpr* node, int mode, OrvTokenList* messages,
                              OrvExpr** after) = 0;
  // Runs walkFn over the subtree of `node` (see OrvTransEngine.cpp); "not
  // applied anywhere" answers 0.
  virtual OrvResult ApplyAll(OrvExpr* node, int mode, OrvTokenList* messages, OrvExpr** after);
  // Writes the transformation's file record (OrvTranStorage.cpp).
  virtual void PutTic(std::ostream& out) const;
  // Reads the record after its version and class name: instance name,
  // references and description.  0, or the failing reader's result with
  // its text in `error`.
  virtual OrvResult GetTic(std::istream& in, VString& error);
  // One line: name, class, is_owned, dir_name and inst_descr.
  virtual void Print(std::ostream& out) const;

  // --- the class registry -------------------------------------------------
  // Registers the prototype's class under its ClassName with `factory`.
  // 0; ORV_TRANSFORM_DUPLICATE when the name is registered already;
  // ORV_TRANSFORM_REGISTRY_FULL (also reported to the error handler).
  static OrvResult Register(const OrvTransform* prototype, OrvTransFactory factory,
                            VString& error);
  // Removes the prototype's class, keeping the order of the others.
  // ORV_TRANSFORM_NOT_FOUND when nothing or not that class is registered.
  static OrvResult UnRegister(const OrvTransform* prototype, VString& error);
  // Removes the entries [from, to).  ORV_TRANSFORM_NOT_FOUND when nothing is
  // registered or the range is not within 0 <= from < to <= count.
  static OrvResult UnRegister(int from, int to, VString& error);
  // A new object of the named class in `created` (null on failure).  0, or
  // ORV_TRANS_CLASS_NOT_FOUND.
  static OrvResult NewByName(const VString& className, OrvTransform*& created, VString& error);

  // --- the live-object table ---------------------------------------------
  // Every object is recorded in OrvTransLiveObjects; a full table is
  // compacted first, and when it stays full the object goes unrecorded
  // (reported to the error handler).
  static void* operator new(std::size_t size);
  // Takes the object out of the table, fills its memory with 0xAA and
  // frees it.
  static void operator delete(void* memory, std::size_t size);
  // Deletes every live object once, owned ones included.
  static void DeleteAll();

  // --- references ----------------------------------------------------------
  // Inserts a copy of `ref` at `position` (a negative one or one past the
  // end appends).  The position used, or -1 when 128 references are held
  // (reported to the error handler).
  int InsRef(const OrvTransRef& ref, int position);
  // InsRef at the end.
  int AddRef(const OrvTransRef& ref);
  // Appends an active reference to `target`, which becomes owned by this
  // object when `ownedFlag` is set.
  int AddRef(OrvTransform* target, int ownedFlag);
  // Removes reference `position` (a negative one or one past the end: the
  // last), deleting the target of an owned one.  Nothing on an empty list.
  void DelRef(int position);
  // The Get of the first reference named `refName`, or null.
  OrvTransform* RefByName(const VString& refName);
  // Resolves each active reference in order; the first failure is answered.
  OrvResult ResolveRefs(OrvTokenList* messages);

  // --- files (OrvTranStorage.cpp) ---------------------------------------------
  // Reads a whole record: version, class name, then a new object of that
  // class reads the rest.  On success `read` holds it; on failure nothing
  // is handed out (an object made for the record is deleted).
  static OrvResult Read(std::istream& in, OrvTransform*& read, VString& error);
  // Read from the file at `path`; ORV_CANNOT_OPEN_INPUT when it cannot be
  // opened.
  static OrvResult ReadFile(const VString& path, OrvTransform*& read, VString& error);
  // Writes the object to dir_name/name.orv ("-(no-dir)-" for an empty
  // dir_name), replacing the file only once the new text is written whole.
  // 0, or ORV_CANNOT_OPEN_OUTPUT with "Cannot open file '%s' for output" or
  // "Cannot write file '%s'"; a failure leaves the old file as it was.
  OrvResult Save(VString& error) const;

  // --- search and application (OrvTransEngine.cpp) ----------------------------
  // Runs t's ApplyOnce at `node` with the engine's bookkeeping: nesting
  // stack, current node for WillTransform, traces, and (with `after`, a
  // non-zero mode and Slot4) the node that stands where `node` stood.
  // ORV_TRANS_STACK_FULL when 1024 searches are nested or the path does not
  // fit (a severe token in `messages`).
  static OrvResult SearchTransform(OrvTransform* t, OrvExpr* node, int mode,
                                   OrvTokenList* messages, OrvExpr** after = nullptr);
  // Counts an application under the object's name, tells about it when
  // "conv-info" is on, and traces it; `silent` skips the count and the
  // message.  Called by ApplyOnce before it changes the tree.
  void WillTransform(int silent);
  // Moves the iterator to the next (previous) node where the
  // transformation applies in mode 0; the starting node is not tried.
  // 0, ORV_TRANS_ITER_END, or an error.
  OrvResult SearchNext(OrvExprIter& iter, OrvTokenList* messages);
  OrvResult SearchPrev(OrvExprIter& iter, OrvTokenList* messages);
  // Appends {node, -1} to `found` for every node of the iterator's subtree,
  // root first, where the transformation applies in mode 0.
  OrvResult SearchAll(OrvExprIter& iter, OrvLinkList& found, OrvTokenList* messages);
  // `applied` := whether the transformation applies at `node` in mode 0.
  OrvResult MatchAt(OrvExpr* node, int& applied, OrvTokenList* messages);
  // Applies in mode 1 again and again, each time at the node the previous
  // application left in its place, until it no longer applies.  `after`
  // (when given) receives the node of the last round.
  OrvResult ApplyRepeatedly(OrvExpr* node, OrvTokenList* messages, OrvExpr** after);
  // The trace lines of level 2: `label`, the name, the node, the mode and
  // whether `after` is asked.
  static void TraceEnter(const char* label, const OrvTransform* t, OrvExpr* node, int mode,
                         bool afterAsked);
  // `nodeText` is the node part written at entry (the node may be gone).
  static void TraceLeave(const char* label, const OrvTransform* t, const VString& nodeText,
                         const OrvExpr* after, OrvResult rc);

  // --- fields --------------------------------------------------------------------
  VString name;        // instance name: the key of storages and references
  VString inst_descr;  // description; its first line goes into messages
  VString dir_name;    // directory it was loaded from or is saved to
  OrvCLFlagTable options;  // the object's own options, registered by the driver
  OrvTransCutOffFn cutOff;  // may be null
  OrvTransWalkFn walkFn;    // the walk of ApplyAll; OrvTransWalker by default
  int nrefs;
  OrvTransRef refs[MaxRefs];
  int is_owned;

protected:
  // Empty texts, no options, no cut-off, OrvTransWalker, no references.
  OrvTransform();
  // Copies names, functions and references, with an empty option table;
  // an owned reference refers to a clone of its target.
  OrvTransform(const OrvTransform& other);
  OrvTransform& operator=(const OrvTransform&) = delete;
};

#endif
