#pragma once
// The program's own ordered collection of item pointers: linear growth by a fixed step,
// errors by exception, per-item disposal defined by subclasses. The collection owns its items.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace trv {

class CollException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Anything that reads or writes a given number of bytes; a short count is a failure.
class TStream {
 public:
  virtual ~TStream() = default;
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
};

// Base of the items the plain collection destroys.
class TObject {
 public:
  virtual ~TObject() = default;
};

class TCollection {
 public:
  using Item = void*;

  TCollection(std::int32_t capacity, std::int32_t growBy);
  virtual ~TCollection();
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  virtual void RaiseError(std::int32_t code, std::int32_t info);
  virtual void DisposeItem(Item item);
  virtual Item ReadItem(TStream& stream) = 0;
  virtual void WriteItem(TStream& stream, Item item) = 0;
  virtual void WriteTo(TStream& stream);
  virtual std::int32_t IndexOf(Item item) const;
  virtual bool Append(Item item);
  virtual void SetCapacity(std::int32_t n);

  Item ItemAt(std::int32_t index);
  // As ItemAt, without the error: null for an index outside the list.
  Item ItemOrNull(std::int32_t index) const { return ValidIndex(index) ? items_[index] : nullptr; }
  void RemoveAt(std::int32_t index);
  bool InsertAt(std::int32_t index, Item item);
  void FreeAt(std::int32_t index);
  void FreeAllItems();

  std::int32_t Count() const { return count_; }
  std::int32_t Capacity() const { return capacity_; }
  std::int32_t GrowBy() const { return growBy_; }

 private:
  bool ValidIndex(std::int32_t index) const { return index >= 0 && index < count_; }

  std::vector<Item> items_;  // size() == Capacity
  std::int32_t capacity_ = 0;
  std::int32_t growBy_ = 0;
  std::int32_t count_ = 0;
};

}  // namespace trv
