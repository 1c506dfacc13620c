#include "support/closed_time_list.h"

#include <array>
#include <cstdio>
#include <memory>

namespace trv {
namespace {

constexpr std::size_t kRecordSize = 8;

void PutInt32(unsigned char* out, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(u >> (8 * i));
}

std::int32_t GetInt32(const unsigned char* in) {
  std::uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | in[i];
  return static_cast<std::int32_t>(u);
}

}  // namespace

TClosedTimeCol::~TClosedTimeCol() { FreeAllItems(); }

void TClosedTimeCol::DisposeItem(Item item) { delete static_cast<ClosedTime*>(item); }

TCollection::Item TClosedTimeCol::ReadItem(TStream& stream) {
  auto* record = new ClosedTime;
  try {
    std::array<unsigned char, kRecordSize> bytes{};
    if (stream.Read(bytes.data(), bytes.size()) == bytes.size()) {
      record->From = GetInt32(bytes.data());
      record->To = GetInt32(bytes.data() + 4);
      return record;
    }
  } catch (...) {
  }
  delete record;
  return nullptr;
}

void TClosedTimeCol::WriteItem(TStream& stream, Item item) {
  if (item == nullptr) return;
  const auto* record = static_cast<const ClosedTime*>(item);
  std::array<unsigned char, kRecordSize> bytes{};
  PutInt32(bytes.data(), record->From);
  PutInt32(bytes.data() + 4, record->To);
  try {
    stream.Write(bytes.data(), bytes.size());
  } catch (...) {
  }
}

TClosedTimeCol::TClosedTimeCol(const TClosedTimeCol& other)
    : TCollection(other.Capacity(), other.GrowBy()), cursor_(other.cursor_) {
  for (std::int32_t i = 0; i < other.Count(); ++i) {
    auto copy = std::make_unique<ClosedTime>(*other.WindowAt(i));
    if (Append(copy.get())) copy.release();
  }
}

void TClosedTimeCol::AssignWindows(const TClosedTimeCol& other) {
  if (&other == this) return;
  FreeAllItems();
  for (std::int32_t i = 0; i < other.Count(); ++i) {
    const ClosedTime* window = other.WindowAt(i);
    AddWindow(window->From, window->To, window->Text);
  }
}

bool TClosedTimeCol::AddWindow(std::int32_t from, std::int32_t to, std::string text) {
  auto* record = new ClosedTime{from, to, std::move(text)};
  bool added = false;
  try {
    added = Append(record);
  } catch (...) {
    delete record;
    throw;
  }
  if (!added) delete record;
  return added;
}

bool TClosedTimeCol::WindowAtCursor(int& fromHour, int& fromMin, int& toHour, int& toMin) {
  if (cursor_ >= Count()) return false;
  const auto* record = static_cast<const ClosedTime*>(ItemAt(cursor_));
  if (record == nullptr) return false;
  fromHour = record->From / 100;
  fromMin = record->From % 100;
  toHour = record->To / 100;
  toMin = record->To % 100;
  ++cursor_;
  return true;
}

bool TClosedTimeCol::FirstWindow(int& fromHour, int& fromMin, int& toHour, int& toMin) {
  cursor_ = 0;
  return WindowAtCursor(fromHour, fromMin, toHour, toMin);
}

bool TClosedTimeCol::NextWindow(int& fromHour, int& fromMin, int& toHour, int& toMin) {
  return WindowAtCursor(fromHour, fromMin, toHour, toMin);
}

std::string TClosedTimeCol::WindowText(const ClosedTime& item) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%2.2d%2.2d-%2.2d%2.2d", item.From / 100, item.From % 100, item.To / 100,
                item.To % 100);
  return buffer;
}

bool TClosedTimeCol::DeleteWindowText(const std::string& text) {
  std::int32_t index = 0;
  while (index < Count()) {
    const auto* record = static_cast<const ClosedTime*>(ItemAt(index));
    if (record == nullptr) {
      FreeAt(index);
    } else if (WindowText(*record) == text) {
      FreeAt(index);
      return true;
    } else {
      ++index;
    }
  }
  return false;
}

}  // namespace trv
