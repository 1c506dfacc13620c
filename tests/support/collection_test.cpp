#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/closed_time_list.h"

namespace trv {
namespace {

class MemoryStream : public TStream {
 public:
  std::size_t Read(void* buffer, std::size_t count) override {
    const std::size_t n = std::min(count, bytes.size() - pos);
    std::memcpy(buffer, bytes.data() + pos, n);
    pos += n;
    return n;
  }
  std::size_t Write(const void* buffer, std::size_t count) override {
    const auto* p = static_cast<const unsigned char*>(buffer);
    bytes.insert(bytes.end(), p, p + count);
    return count;
  }
  std::vector<unsigned char> bytes;
  std::size_t pos = 0;
};

class Counted : public TObject {
 public:
  explicit Counted(int& live) : live_(live) { ++live_; }
  ~Counted() override { --live_; }

 private:
  int& live_;
};

class ObjectList : public TCollection {
 public:
  using TCollection::TCollection;
  Item ReadItem(TStream&) override { return nullptr; }
  void WriteItem(TStream&, Item) override {}
};

void ExpectError(const std::function<void()>& act, const std::string& message) {
  try {
    act();
    FAIL() << "no exception";
  } catch (const CollException& e) {
    EXPECT_EQ(e.what(), message);
  }
}

TEST(Collection, GrowsLinearlyAndRefusesToGrowWithoutStep) {
  TClosedTimeCol list;
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 10);
  for (int i = 0; i < 11; ++i) EXPECT_TRUE(list.AddWindow(i, i));
  EXPECT_EQ(list.Capacity(), 20);

  TClosedTimeCol fixed(2, 0);
  fixed.AddWindow(1, 2);
  fixed.AddWindow(3, 4);
  ExpectError([&] { fixed.AddWindow(5, 6); }, "Collection overflow - cannot grow!");
  EXPECT_EQ(fixed.Count(), 2);
}

TEST(Collection, BadIndexesAndShrinkingRaise) {
  TClosedTimeCol list;
  list.AddWindow(1, 2);
  ExpectError([&] { list.ItemAt(1); }, "Collection error; wrong index: 1");
  ExpectError([&] { list.ItemAt(-1); }, "Collection error; wrong index: -1");
  ExpectError([&] { list.RemoveAt(5); }, "Collection error; wrong index: 5");
  ExpectError([&] { list.InsertAt(3, nullptr); }, "Collection error; wrong index: 3");
  ExpectError([&] { list.SetCapacity(0); }, "Collection underflow - cannot shrink!");
  EXPECT_EQ(list.Capacity(), 10);
  EXPECT_EQ(list.WindowAt(0)->From, 1);
  // A window looked up past the end is none, on a list that is not const too: a lookup of the
  // list as read while a longer one is built must not raise.
  EXPECT_EQ(list.WindowAt(1), nullptr);
  EXPECT_EQ(list.WindowAt(-1), nullptr);
  TClosedTimeCol copy;
  copy.AddWindow(7, 8);
  copy.AssignWindows(list);
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(copy.WindowAt(0)->From, 1);
  copy.AssignWindows(copy);
  EXPECT_EQ(copy.Count(), 1);
}

TEST(Collection, RemoveInsertAndOwnership) {
  int live = 0;
  {
    ObjectList list(2, 2);
    auto* a = new Counted(live);
    auto* b = new Counted(live);
    auto* c = new Counted(live);
    list.Append(a);
    list.Append(b);
    list.InsertAt(0, c);  // c a b
    EXPECT_EQ(list.IndexOf(a), 1);
    list.RemoveAt(0);  // a b; c is no longer owned
    EXPECT_EQ(list.ItemAt(0), a);
    EXPECT_EQ(list.ItemAt(1), b);
    delete c;
    list.FreeAt(0);
    EXPECT_EQ(live, 1);
    EXPECT_EQ(list.IndexOf(a), -1);
  }
  EXPECT_EQ(live, 0);  // the destructor disposed of the rest
}

TEST(ClosedTimes, IterationAndText) {
  TClosedTimeCol list;
  int fh = -1, fm = -1, th = -1, tm = -1;
  EXPECT_FALSE(list.FirstWindow(fh, fm, th, tm));
  EXPECT_EQ(fh, -1);
  list.AddWindow(2230, 600);
  list.AddWindow(0, 2500);
  ASSERT_TRUE(list.FirstWindow(fh, fm, th, tm));
  EXPECT_EQ((std::vector<int>{fh, fm, th, tm}), (std::vector<int>{22, 30, 6, 0}));
  ASSERT_TRUE(list.NextWindow(fh, fm, th, tm));
  EXPECT_FALSE(list.NextWindow(fh, fm, th, tm));
  EXPECT_FALSE(list.NextWindow(fh, fm, th, tm));
  EXPECT_EQ(TClosedTimeCol::WindowText(*list.WindowAt(0)), "2230-0600");
  EXPECT_EQ(TClosedTimeCol::WindowText(*list.WindowAt(1)), "0000-2500");
}

TEST(ClosedTimes, DeleteWindowTextRemovesFirstExactMatch) {
  TClosedTimeCol list;
  list.AddWindow(2200, 600);
  list.AddWindow(2200, 600);
  EXPECT_FALSE(list.DeleteWindowText("2200-600"));
  EXPECT_EQ(list.Count(), 2);
  EXPECT_TRUE(list.DeleteWindowText("2200-0600"));
  EXPECT_EQ(list.Count(), 1);
  list.InsertAt(0, nullptr);  // null entries are dropped on the way
  EXPECT_TRUE(list.DeleteWindowText("2200-0600"));
  EXPECT_EQ(list.Count(), 0);
}

TEST(ClosedTimes, StreamsLittleEndianAndSwallowsShortReads) {
  TClosedTimeCol list(3, 1);
  list.AddWindow(2230, 600);
  MemoryStream stream;
  list.WriteTo(stream);
  const std::vector<unsigned char> expected = {3, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0xB6, 0x08, 0, 0, 0x58, 0x02, 0, 0};
  EXPECT_EQ(stream.bytes, expected);
  stream.pos = 12;
  auto* item = static_cast<ClosedTime*>(list.ReadItem(stream));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->From, 2230);
  EXPECT_EQ(item->To, 600);
  list.DisposeItem(item);
  stream.pos = 16;
  EXPECT_EQ(list.ReadItem(stream), nullptr);
}

}  // namespace
}  // namespace trv
