#include "cli/json_settings.h"

#include <cctype>

#include "support/codepage.h"

namespace trv {
namespace {

class Reader {
 public:
  Reader(std::string_view text, JsonSettings& out) : text_(text), out_(out) {}

  void Document() {
    Value("");
    Blank();
    if (pos_ != text_.size()) Fail("text after the end");
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("not a settings file: " + what + " at byte " + std::to_string(pos_));
  }
  void Blank() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }
  bool Take(char c) {
    Blank();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  void Expect(char c) {
    if (!Take(c)) Fail(std::string("'") + c + "' expected");
  }
  bool Word(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  void Value(const std::string& name) {
    Blank();
    if (Take('{')) return Object(name);
    if (Take('[')) return Array(name);
    if (pos_ < text_.size() && text_[pos_] == '"') return Add(name, String());
    if (Word("true")) return Add(name, "yes");
    if (Word("false")) return Add(name, "no");
    if (Word("null")) return;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[pos_])) ||
                                   std::string_view("+-.eE").find(text_[pos_]) != std::string_view::npos))
      ++pos_;
    if (pos_ == start) Fail("a value expected");
    Add(name, std::string(text_.substr(start, pos_ - start)));
  }
  void Object(const std::string& name) {
    if (Take('}')) return;
    do {
      Blank();
      const std::string key = String();
      Expect(':');
      Value(name.empty() ? key : name + "." + key);
    } while (Take(','));
    Expect('}');
  }
  void Array(const std::string& name) {
    std::size_t count = 0;
    if (!Take(']')) {
      do Value(name + "[" + std::to_string(count++) + "]");
      while (Take(','));
      Expect(']');
    }
    out_.listLengths[name] = count;
  }
  std::string String() {
    if (pos_ >= text_.size() || text_[pos_] != '"') Fail("'\"' expected");
    ++pos_;
    std::string s;
    while (pos_ < text_.size() && text_[pos_] != '"') {
      char c = text_[pos_++];
      if (c != '\\') {
        s += c;
        continue;
      }
      if (pos_ >= text_.size()) break;
      c = text_[pos_++];
      if (c == 'u') {
        if (pos_ + 4 > text_.size()) Fail("a short \\u escape");
        AppendUtf8(s, static_cast<char32_t>(std::stoul(std::string(text_.substr(pos_, 4)), nullptr, 16)));
        pos_ += 4;
      } else {
        const std::string_view from = "bfnrt", to = "\b\f\n\r\t";
        const std::size_t at = from.find(c);
        s += at == std::string_view::npos ? c : to[at];
      }
    }
    if (pos_ >= text_.size()) Fail("an unended string");
    ++pos_;
    return s;
  }
  void Add(const std::string& name, std::string value) { out_.values.emplace_back(name, std::move(value)); }

  std::string_view text_;
  JsonSettings& out_;
  std::size_t pos_ = 0;
};

}  // namespace

JsonSettings ReadJsonSettings(std::string_view json) {
  JsonSettings out;
  Reader(json, out).Document();
  return out;
}

}  // namespace trv
