// USAGE sizes of elementary data items.
#include "OrvItemLength.h"

#include <cstdint>

#include "OrvConstNodes.h"
#include "OrvDataEntrySlots.h"
#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvOper.h"
#include "OrvParser.h"
#include "OrvPicture.h"
#include "OrvTreeUtil.h"

namespace {

// Bytes of a binary item in byte mode, by digits 1 to 18.
const int kSignedBinaryBytes[18] = {1, 1, 2, 2, 3, 3, 4, 4, 4, 5, 5, 6, 6, 6, 7, 7, 8, 8};
const int kUnsignedBinaryBytes[18] = {1, 1, 2, 2, 3, 3, 3, 4, 4, 5, 5, 5, 6, 6, 7, 7, 8, 8};
static_assert(sizeof kSignedBinaryBytes == sizeof kUnsignedBinaryBytes,
              "one size per digit count in both tables");

// What the PICTURE of an item says.
struct PictureFacts {
  int category = 1;  // 1: none, or the PICTURE could not be classified
  int length = 0;    // bytes as the PICTURE counts them
  int digits = 0;    // count of 9s
  bool isSigned = false;
  bool present = false;
};

PictureFacts ReadPicture(OrvExpr* entry, int mode) {
  PictureFacts facts;
  OrvExpr* clause = OrvSlot(entry, DECL_DD_ENTRY__PICTURE);
  if (clause == nullptr) return facts;
  facts.present = true;
  OrvExpr* string = OrvSlot(clause, DX_PICTURE__PICTURE_STRING);
  VString text = string != nullptr ? string->Value() : VString();
  const char* pic = text.text != nullptr ? text.text : "";
  VString unrolled;
  VString message;
  std::uint16_t category = 1;
  OrvResult result = OrvPicStrCategory(&pic, unrolled, &category, &facts.length, &facts.digits,
                                       entry, message);
  facts.category = category;
  facts.isSigned = unrolled.HasChar('S');
  if (mode != ORV_ITEM_LAY_OUT) return facts;
  if (result != ORV_OK) OrvLayoutReport(entry, message);
  // A PICTURE that has no category leaves the category column blank.
  // The NULL_NODE of a blank category is left unmade while nothing asks for
  // it: one per item of a large record would cost a node each.
  if (facts.category == 1) {
    static_cast<OrvExprOper*>(entry)->SetArgNullNode(DECL_DD_ENTRY__CATEGORY);
  } else {
    entry->SetArg(DECL_DD_ENTRY__CATEGORY, new OrvExprOper(static_cast<OrvOper>(facts.category)), -1, 0);
  }
  return facts;
}

// Size and alignment of one item by its USAGE.
struct UsageSize {
  int64_t size = 0;
  int alignment = 0;  // boundary of a SYNCHRONIZED item; 0: none
  int category = 0;   // category that the USAGE gives; 0: the PICTURE's
  bool onlyWhenMissing = false;  // the USAGE's category yields to any other
  bool known = true;
};

// Alignment of a binary numeric item of `size` bytes.
int BinaryAlignment(int64_t size, int storageMode) {
  if (size == 1 || size == 2) return 2;
  if (storageMode == ORV_STOR_MODE_FSC) return 4;
  return size == 3 || size == 4 ? 4 : 8;
}

// A USAGE of its own size, alignment and category.
UsageSize Fixed(int64_t size, int alignment, int category) {
  UsageSize u;
  u.size = size;
  u.alignment = alignment;
  u.category = category;
  return u;
}

// A size option; a negative size is taken as 0.
int64_t SizeOption(int32_t value) { return value < 0 ? 0 : value; }

UsageSize SizeByUsage(int usage, const PictureFacts& pic, bool separateSign,
                      const OrvLayoutOptions& options) {
  UsageSize u;
  switch (usage) {
    case DU_DISPLAY:
    case DU_DISPLAY_1:
    case DU_COMP_RM:
    case DU_COMP_2_ACU:
      u.size = pic.length;
      if (pic.isSigned && (separateSign || options.trailingSeparateSign == 1)) ++u.size;
      break;
    case DU_BINARY:
    case DU_COMP:
    case DU_COMP_0:
    case DU_COMP_4:
    case DU_COMP_5:
    case DU_COMP_X:
      if (pic.category == PIC_NUM) {
        u.size = OrvBinaryItemSize(pic.digits, pic.isSigned, options.storageMode);
        u.alignment = BinaryAlignment(u.size, options.storageMode);
      } else {
        u.size = pic.length;
      }
      break;
    case DU_COMP_1:
      return Fixed(4, 4, PIC_INT_FLOAT);
    case DU_COMP_1_ACU:
    case DU_COMP_1_RM: {
      UsageSize acu = Fixed(2, 2, PIC_NUM);
      acu.onlyWhenMissing = true;
      return acu;
    }
    case DU_COMP_2:
      return Fixed(8, 8, PIC_INT_FLOAT);
    case DU_COMP_3:
    case DU_PACKED_DECIMAL:
      // Two digits a byte and a half byte for the sign, for every count.
      u.size = pic.digits >= 1 ? pic.digits / 2 + 1 : 0;
      break;
    case DU_COMP_6:
      u.size = pic.digits >= 1 ? (pic.digits + 1) / 2 : 0;
      break;
    case DU_BIT:
      break;
    // These align to 4 whatever their size.
    case DU_INDEX:
      return Fixed(SizeOption(options.indexSize), 4, DCAT_INDEX);
    case DU_POINTER:
      return Fixed(SizeOption(options.pointerSize), 4, DCAT_POINTER);
    case DU_PROC_POINTER:
      return Fixed(SizeOption(options.procPointerSize), 4, DCAT_PROC_POINTER);
    default:
      u.known = false;
      break;
  }
  return u;
}

}  // namespace

int OrvBinaryItemSize(int digits, int isSigned, int storageMode) {
  if (digits < 1) return 0;
  switch (storageMode) {
    case ORV_STOR_MODE_BYTE:
      if (digits > 18) return 8;
      return isSigned ? kSignedBinaryBytes[digits - 1] : kUnsignedBinaryBytes[digits - 1];
    case ORV_STOR_MODE_WORD:
    case ORV_STOR_MODE_FSC:
      return digits <= 4 ? 2 : digits <= 9 ? 4 : 8;
    default:
      return 0;
  }
}

int OrvCalcItemLength(OrvExpr* entry, const OrvLayoutOptions& options, int mode) {
  if (entry == nullptr || entry->Oper() != DECL_DD_ENTRY) return 0;
  int64_t position = OrvLayout.currentOffset == ORV_LAYOUT_UNDEF ? 0 : OrvLayout.currentOffset;
  int usage, sync, sign, separate;
  OrvInheritedDataClauses(entry, usage, sync, sign, separate);
  PictureFacts pic = ReadPicture(entry, mode);
  UsageSize u = SizeByUsage(usage, pic, separate != 0, options);
  if (!u.known) {
    if (mode == ORV_ITEM_LAY_OUT) {
      OrvLayoutReport(entry, OrvFormat("Cannot compute length for %s field: not implemented. "
                                       "Length of this filed assumed to be 0 bytes.",
                                       OrvOperName(usage)));
    }
    return 0;
  }
  if (mode == ORV_ITEM_LAY_OUT && u.category != 0 &&
      !(u.onlyWhenMissing && OrvSlot(entry, DECL_DD_ENTRY__CATEGORY) != nullptr)) {
    entry->SetArg(DECL_DD_ENTRY__CATEGORY, new OrvExprOper(static_cast<OrvOper>(u.category)), -1, 0);
  }
  // A byte-mode item is never aligned; SYNCHRONIZED then only shows.
  bool synchronized = sync != 1;
  if (synchronized && u.alignment != 0 && options.storageMode != ORV_STOR_MODE_BYTE)
    position = OrvLayoutRoundUp(position, u.alignment);
  if (OrvLayout.currentOffset != ORV_LAYOUT_UNDEF) OrvLayout.currentOffset = position;
  return static_cast<int>(u.size);
}
