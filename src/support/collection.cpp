#include "support/collection.h"

#include <array>

namespace trv {
namespace {

void WriteInt32(TStream& stream, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  const std::array<unsigned char, 4> bytes = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                              static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
  stream.Write(bytes.data(), bytes.size());
}

}  // namespace

TCollection::TCollection(std::int32_t capacity, std::int32_t growBy) : growBy_(growBy) { SetCapacity(capacity); }

TCollection::~TCollection() {
  FreeAllItems();  // the base disposal; subclasses free their own items in their destructors
}

void TCollection::RaiseError(std::int32_t code, std::int32_t info) {
  switch (code) {
    case -1: throw CollException("Collection error; wrong index: " + std::to_string(info));
    case -2: throw CollException("Collection overflow - cannot grow!");
    case -3: throw CollException("Collection underflow - cannot shrink!");
    default: return;
  }
}

void TCollection::DisposeItem(Item item) { delete static_cast<TObject*>(item); }

void TCollection::WriteTo(TStream& stream) {
  WriteInt32(stream, capacity_);
  WriteInt32(stream, growBy_);
  WriteInt32(stream, count_);
  for (std::int32_t i = 0; i < count_; ++i) WriteItem(stream, items_[i]);
}

std::int32_t TCollection::IndexOf(Item item) const {
  for (std::int32_t i = 0; i < count_; ++i)
    if (items_[i] == item) return i;
  return -1;
}

bool TCollection::Append(Item item) { return InsertAt(count_, item); }

void TCollection::SetCapacity(std::int32_t n) {
  if (n < count_) {
    RaiseError(-3, 0);
    return;
  }
  if (n == capacity_) return;
  items_.resize(static_cast<std::size_t>(n), nullptr);
  items_.shrink_to_fit();
  capacity_ = n;
}

TCollection::Item TCollection::ItemAt(std::int32_t index) {
  if (!ValidIndex(index)) {
    RaiseError(-1, index);
    return nullptr;
  }
  return items_[index];
}

void TCollection::RemoveAt(std::int32_t index) {
  if (!ValidIndex(index)) {
    RaiseError(-1, index);
    return;
  }
  for (std::int32_t i = index; i + 1 < count_; ++i) items_[i] = items_[i + 1];
  --count_;
  items_[count_] = nullptr;
}

bool TCollection::InsertAt(std::int32_t index, Item item) {
  if (index < 0 || index > count_) {
    RaiseError(-1, index);
    return false;
  }
  if (count_ == capacity_) {
    if (growBy_ == 0) {
      RaiseError(-2, 0);
      return false;
    }
    SetCapacity(capacity_ + growBy_);
  }
  for (std::int32_t i = count_; i > index; --i) items_[i] = items_[i - 1];
  items_[index] = item;
  ++count_;
  return true;
}

void TCollection::FreeAt(std::int32_t index) {
  Item item = ItemAt(index);
  RemoveAt(index);
  DisposeItem(item);
}

void TCollection::FreeAllItems() {
  for (std::int32_t i = 0; i < count_; ++i) {
    DisposeItem(items_[i]);
    items_[i] = nullptr;
  }
  count_ = 0;
}

}  // namespace trv
