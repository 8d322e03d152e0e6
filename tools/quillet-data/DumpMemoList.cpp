#include "DumpMemoList.h"

#include "Json.h"
#include "memo/MemoListFormat.h"

namespace quillet {

namespace {

std::string RecordJson(const MemoRecord& r, const TextCodec& codec) {
  const auto n = [](long long value) { return std::to_string(value); };
  const Rect& w = r.windowRect;
  return "{\"version\": " + n(r.version) + ", \"formatBarShown\": " + n(r.formatBarShown) +
         ", \"windowRect\": {\"left\": " + n(w.left) + ", \"top\": " + n(w.top) + ", \"right\": " + n(w.right) +
         ", \"bottom\": " + n(w.bottom) + "}, \"colorType\": " + n(r.colorType) + ", \"backColor\": " +
         n(r.backColor) + ", \"paletteColor\": " + n(r.paletteColor) + ", \"expanded\": " + n(r.expanded) +
         ", \"expandedSize\": {\"width\": " + n(r.expandedSize.width) + ", \"height\": " +
         n(r.expandedSize.height) + "}, \"zPosition\": " + n(r.zPosition) +
         ", \"contentFile\": " + JsonString(r.contentFile, codec) + ", \"scrollLine\": " + n(r.scrollLine) +
         ", \"title\": " + JsonString(r.title, codec) + ", \"editTime\": " + JsonString(r.editTime, codec) +
         ", \"reserved\": " + n(r.reserved) + ", \"titleFont\": " + JsonString(r.titleFont, codec) + "}";
}

}  // namespace

DumpResult DumpMemoList(std::string_view bytes, const TextCodec& codec) {
  DumpResult result;
  const ParsedMemoList list = ParseMemoList(bytes, codec, MemoRecord{});
  result.json = JsonArray(list.records, [&](const auto& record) { return RecordJson(record, codec); });

  if (bytes.empty()) {
    result.error = "the file is empty: it holds no memo list";
  } else if (list.signature == ListSignature::Unreadable) {
    result.error = "no memo list signature can be read: the file is damaged or not a memo list";
  } else if (list.signature == ListSignature::Foreign) {
    result.error = "the signature is not a memo list's: the file is not a memo list";
  } else if (list.cutShort) {
    result.error = "the record starting at byte " + std::to_string(list.cutAt) + " is cut short; " +
                   std::to_string(list.records.size()) + " complete records before it are shown";
  }
  return result;
}

}  // namespace quillet
