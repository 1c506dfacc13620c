#pragma once
// The mailbox's daily closed-time windows, each From and To as hours * 100 + minutes.
#include <string>

#include "support/collection.h"

namespace trv {

struct ClosedTime {
  std::int32_t From = 0;
  std::int32_t To = 0;
  std::string Text;  // as the file spells it ("1-2"), written back so; empty for a window added here
};

class TClosedTimeCol : public TCollection {
 public:
  TClosedTimeCol(std::int32_t capacity = 10, std::int32_t growBy = 10) : TCollection(capacity, growBy) {}
  // A copy holds copies of the windows, in the same order.
  TClosedTimeCol(const TClosedTimeCol& other);
  TClosedTimeCol& operator=(const TClosedTimeCol&) = delete;
  ~TClosedTimeCol() override;

  void DisposeItem(Item item) override;
  Item ReadItem(TStream& stream) override;
  void WriteItem(TStream& stream, Item item) override;

  bool AddWindow(std::int32_t from, std::int32_t to, std::string text = {});
  bool FirstWindow(int& fromHour, int& fromMin, int& toHour, int& toMin);
  bool NextWindow(int& fromHour, int& fromMin, int& toHour, int& toMin);
  static std::string WindowText(const ClosedTime& item);
  bool DeleteWindowText(const std::string& text);

  // The window at `index`; null outside the list, whether or not the list is const (an
  // overload that raised for a list that is not const made a lookup past the end a crash).
  const ClosedTime* WindowAt(std::int32_t index) const { return static_cast<const ClosedTime*>(ItemOrNull(index)); }
  // Sets the list as a whole: afterwards it holds copies of `other`'s windows, in order.
  void AssignWindows(const TClosedTimeCol& other);

 private:
  bool WindowAtCursor(int& fromHour, int& fromMin, int& toHour, int& toMin);

  std::int32_t cursor_ = 0;
};

}  // namespace trv
