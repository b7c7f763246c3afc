#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Files.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Refusal.h"

namespace quintara {

// Record slot r (1-based) of a file of slot length L starts at byte (r - 1) x L; the record's fields
// fill the start of the slot and the rest is zero filler. A trailing partial slot is not a record.
template <class Rec>
OneBased<Rec> DecodeSlots(std::string_view bytes, std::size_t slotLength) {
    static_assert(RecordCodec<Rec>::kFieldBytes > 0);
    OneBased<Rec> records;
    if (slotLength < RecordCodec<Rec>::kFieldBytes) {
        return records;
    }
    const std::size_t count = bytes.size() / slotLength;
    records.Reserve(count);
    const auto* data = reinterpret_cast<const std::byte*>(bytes.data());
    for (std::size_t r = 0; r < count; ++r) {
        records.PushBack(RecordCodec<Rec>::Decode(std::span(data + r * slotLength, slotLength)));
    }
    return records;
}

template <class Rec>
std::string EncodeSlots(const OneBased<Rec>& records, std::size_t slotLength) {
    std::string bytes(records.Size() * slotLength, '\0');
    auto* data = reinterpret_cast<std::byte*>(bytes.data());
    std::size_t r = 0;
    for (const auto& record : records) {
        RecordCodec<Rec>::Encode(record, std::span(data + r * slotLength, slotLength));
        ++r;
    }
    return bytes;
}

template <class Rec>
Expected<OneBased<Rec>> ReadRecordFile(const std::filesystem::path& path, std::size_t slotLength) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return Refuse(bytes.error());
    }
    return DecodeSlots<Rec>(*bytes, slotLength);
}

template <class Rec>
Expected<FileWritten> WriteRecordFile(const std::filesystem::path& path, std::size_t slotLength,
                                      const OneBased<Rec>& records) {
    return WriteFileAtomically(path, EncodeSlots(records, slotLength));
}

}  // namespace quintara
