#include "cli/settings_output.h"

#include <charconv>
#include <vector>

#include "support/codepage.h"

namespace trv {
namespace {

std::string RealText(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : "0";
}

class ListingWriter : public SettingsVisitor {
 public:
  explicit ListingWriter(std::ostream& out) : out_(out) {}
  void BeginRecord(std::string_view name) override {
    if (depth_ == 0) {
      out_ << "[" << name << "]\n";
    } else {
      Indent() << (name.empty() ? "#" + std::to_string(items_.back()++) : std::string(name)) << "\n";
    }
    ++depth_;
  }
  void EndRecord() override { --depth_; }
  void BeginList(std::string_view name) override {
    if (depth_ == 0)
      out_ << "[" << name << "]\n";
    else
      Indent() << name << "\n";
    items_.push_back(0);
    ++depth_;
  }
  void EndList() override {
    if (items_.back() == 0) Indent() << "(none)\n";
    items_.pop_back();
    --depth_;
  }
  void Text(std::string_view name, const std::string& text) override { Field(name, Cp1252ToUtf8(text)); }
  void Integer(std::string_view name, long long value) override { Field(name, std::to_string(value)); }
  void Real(std::string_view name, double value) override { Field(name, RealText(value)); }
  void Flag(std::string_view name, bool value) override { Field(name, value ? "yes" : "no"); }

 private:
  std::ostream& Indent() { return out_ << std::string(2 * depth_, ' '); }
  void Field(std::string_view name, const std::string& value) {
    if (name.empty())
      Indent() << "#" << items_.back()++ << " = " << value << "\n";
    else
      Indent() << name << " = " << value << "\n";
  }
  std::ostream& out_;
  int depth_ = 0;
  std::vector<int> items_;
};

class JsonWriter : public SettingsVisitor {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {
    out_ << "{";
    first_.push_back(true);
  }
  ~JsonWriter() override { out_ << "\n}\n"; }
  void BeginRecord(std::string_view name) override { Open(name, '{'); }
  void EndRecord() override { Close('}'); }
  void BeginList(std::string_view name) override { Open(name, '['); }
  void EndList() override { Close(']'); }
  void Text(std::string_view name, const std::string& text) override { Member(name) << Quoted(Cp1252ToUtf8(text)); }
  void Integer(std::string_view name, long long value) override { Member(name) << value; }
  void Real(std::string_view name, double value) override { Member(name) << RealText(value); }
  void Flag(std::string_view name, bool value) override { Member(name) << (value ? "true" : "false"); }

 private:
  static std::string Quoted(const std::string& utf8) {
    std::string q = "\"";
    for (char c : utf8) {
      const auto b = static_cast<unsigned char>(c);
      if (c == '"' || c == '\\') {
        q += '\\';
        q += c;
      } else if (b < 0x20) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", b);
        q += escape;
      } else {
        q += c;
      }
    }
    return q + "\"";
  }
  std::ostream& Member(std::string_view name) {
    out_ << (first_.back() ? "\n" : ",\n") << std::string(2 * first_.size(), ' ');
    first_.back() = false;
    if (!name.empty()) out_ << Quoted(std::string(name)) << ": ";
    return out_;
  }
  void Open(std::string_view name, char bracket) {
    Member(name) << bracket;
    first_.push_back(true);
  }
  void Close(char bracket) {
    const bool empty = first_.back();
    first_.pop_back();
    if (!empty) out_ << "\n" << std::string(2 * first_.size(), ' ');
    out_ << bracket;
  }
  std::ostream& out_;
  std::vector<bool> first_;
};

}  // namespace

std::unique_ptr<SettingsVisitor> MakeListingWriter(std::ostream& out) { return std::make_unique<ListingWriter>(out); }
std::unique_ptr<SettingsVisitor> MakeJsonWriter(std::ostream& out) { return std::make_unique<JsonWriter>(out); }

}  // namespace trv
