#include "memo/MemoListFormat.h"

#include "archive/ArchiveReader.h"
#include "archive/ArchiveWriter.h"

namespace quillet {

namespace {

constexpr std::int32_t kLastVersionWithoutTitle = 149;

Rect ReadRect(ArchiveReader& reader) {
  Rect rect;
  rect.left = reader.Int32();
  rect.top = reader.Int32();
  rect.right = reader.Int32();
  rect.bottom = reader.Int32();
  return rect;
}

}  // namespace

bool ReadMemoRecord(ArchiveReader& reader, MemoRecord& r) {
  r.version = reader.Int32();
  r.formatBarShown = reader.Int32();
  r.windowRect = ReadRect(reader);
  r.colorType = reader.Int32();
  r.backColor = reader.UInt32();
  r.paletteColor = reader.UInt32();
  r.expanded = reader.Int32();
  r.expandedSize.width = reader.Int32();
  r.expandedSize.height = reader.Int32();
  r.zPosition = reader.Int32();
  r.contentFile = reader.String();
  r.scrollLine = reader.Int32();
  if (r.version > kLastVersionWithoutTitle) {
    r.title = reader.String();
    r.editTime = reader.String();
    r.reserved = reader.Int32();
    r.titleFont = reader.String();
  }
  return reader.ok();
}

void WriteMemoRecord(ArchiveWriter& writer, const MemoRecord& r) {
  writer.Int32(kMemoRecordVersion);
  writer.Int32(r.formatBarShown);
  writer.Int32(r.windowRect.left);
  writer.Int32(r.windowRect.top);
  writer.Int32(r.windowRect.right);
  writer.Int32(r.windowRect.bottom);
  writer.Int32(r.colorType);
  writer.UInt32(r.backColor);
  writer.UInt32(r.paletteColor);
  writer.Int32(r.expanded);
  writer.Int32(r.expandedSize.width);
  writer.Int32(r.expandedSize.height);
  writer.Int32(r.zPosition);
  writer.String(r.contentFile);
  writer.Int32(r.scrollLine);
  writer.String(r.title);
  writer.String(r.editTime);
  writer.Int32(r.reserved);
  writer.String(r.titleFont);
}

ParsedMemoList ParseMemoList(std::string_view bytes, const TextCodec& codec, const MemoRecord& blank) {
  ParsedMemoList list;
  ArchiveReader reader(bytes, codec);
  const std::string signature = reader.String();
  if (!reader.ok()) return list;
  if (signature != kMemoListSignature && signature != kOldMemoListSignature) {
    list.signature = ListSignature::Foreign;
    return list;
  }
  list.signature = ListSignature::Known;
  while (!reader.AtEnd()) {
    const std::size_t start = reader.Position();
    MemoRecord record = blank;
    if (!ReadMemoRecord(reader, record)) {
      list.cutShort = true;
      list.cutAt = start;
      break;
    }
    list.records.push_back(std::move(record));
  }
  return list;
}

std::string SerializeMemoList(const std::vector<MemoRecord>& records) {
  ArchiveWriter writer;
  writer.String(kMemoListSignature);
  for (const MemoRecord& record : records) WriteMemoRecord(writer, record);
  return writer.Take();
}

}  // namespace quillet
