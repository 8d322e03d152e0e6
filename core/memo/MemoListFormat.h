#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "memo/MemoRecord.h"

namespace quillet {

class ArchiveReader;
class ArchiveWriter;
class TextCodec;

constexpr const char* kMemoListSignature = "150MEMO SIGNATURE";
constexpr const char* kOldMemoListSignature = "MEMO SIGNATURE";

enum class ListSignature {
  Known,       // one of the two signatures the program writes or wrote
  Foreign,     // a readable string, but not ours: no records are read
  Unreadable,  // not even a signature could be read
};

struct ParsedMemoList {
  ListSignature signature = ListSignature::Unreadable;
  std::vector<MemoRecord> records;  // every complete record
  bool cutShort = false;            // a last record ran past the end and was dropped
  std::size_t cutAt = 0;            // where that record began
};

// The list file's bytes: a signature, then records back to back to the end. Each record starts
// as a copy of `blank`, so that fields an old record lacks keep the new-memo values.
ParsedMemoList ParseMemoList(std::string_view bytes, const TextCodec& codec, const MemoRecord& blank);

// The signature and every record, each written with the current version.
std::string SerializeMemoList(const std::vector<MemoRecord>& records);

bool ReadMemoRecord(ArchiveReader& reader, MemoRecord& record);
void WriteMemoRecord(ArchiveWriter& writer, const MemoRecord& record);

}  // namespace quillet
