#include "cli/json_settings.h"

#include <cctype>
#include <unordered_map>

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
    if (pos_ < text_.size() && (text_[pos_] == '{' || text_[pos_] == '[')) {
      if (depth_ == kMaxDepth) Fail("nested deeper than " + std::to_string(kMaxDepth) + " levels");
      const JsonType type = text_[pos_] == '{' ? JsonType::Object : JsonType::List;
      if (depth_ == 0)
        out_.top = type;
      else
        out_.containers.emplace_back(name, type);
      ++depth_;
      if (Take('{'))
        Object(name);
      else if (Take('['))
        Array(name);
      --depth_;
      return;
    }
    if (pos_ < text_.size() && text_[pos_] == '"') return Add(name, String(), JsonType::Text);
    if (Word("true")) return Add(name, "yes", JsonType::Boolean);
    if (Word("false")) return Add(name, "no", JsonType::Boolean);
    if (Word("null")) return Add(name, "", JsonType::Null);
    const std::size_t start = pos_;
    while (pos_ < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[pos_])) ||
                                   std::string_view("+-.eE").find(text_[pos_]) != std::string_view::npos))
      ++pos_;
    if (pos_ == start) Fail("a value expected");
    Add(name, std::string(text_.substr(start, pos_ - start)), JsonType::Number);
  }
  void Object(const std::string& name) {
    if (Take('}')) return;
    do {
      Blank();
      const std::string key = String();
      Expect(':');
      Value(Joined(name, ".", key));
    } while (Take(','));
    Expect('}');
  }
  void Array(const std::string& name) {
    std::size_t count = 0;
    if (!Take(']')) {
      do Value(Joined(name, "[", std::to_string(count++) + "]"));
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
        char32_t code = 0;
        for (int i = 0; i < 4; ++i, ++pos_) {
          const char h = pos_ < text_.size() ? text_[pos_] : '\0';
          if (!std::isxdigit(static_cast<unsigned char>(h))) Fail("a \\u escape without four hex digits");
          code = code * 16 +
                 static_cast<char32_t>(std::isdigit(static_cast<unsigned char>(h)) ? h - '0' : (h | 0x20) - 'a' + 10);
        }
        AppendUtf8(s, code);
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
  // A setting's name: no setting has a longer one, and a longer one would cost its length
  // again for every item below it.
  std::string Joined(const std::string& name, std::string_view separator, const std::string& key) const {
    if (name.size() + separator.size() + key.size() > kMaxName)
      Fail("a name longer than " + std::to_string(kMaxName) + " characters");
    return name.empty() && separator == "." ? key : name + std::string(separator) + key;
  }
  // A name given again (in any letter case, with its list numbers written with leading zeros:
  // set takes them so) keeps its first place and takes the last value.
  void Add(const std::string& name, std::string value, JsonType type) {
    if (depth_ == 0) {  // the whole document: only its type matters
      out_.top = type;
      return;
    }
    std::string folded;
    for (std::size_t i = 0; i < name.size(); ++i) {
      folded += static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
      if (name[i] == '[')  // list numbers are read whole: [01] is [1]
        while (i + 2 < name.size() && name[i + 1] == '0' && std::isdigit(static_cast<unsigned char>(name[i + 2]))) ++i;
    }
    const auto [at, added] = seen_.try_emplace(std::move(folded), out_.values.size());
    if (added) {
      out_.values.push_back({name, std::move(value), type});
      return;
    }
    out_.values[at->second].text = std::move(value);
    out_.values[at->second].type = type;
  }

  static constexpr int kMaxDepth = 64;
  static constexpr std::size_t kMaxName = 256;
  std::string_view text_;
  JsonSettings& out_;
  std::size_t pos_ = 0;
  int depth_ = 0;
  std::unordered_map<std::string, std::size_t> seen_;
};

}  // namespace

std::string JsonTypeName(JsonType type) {
  switch (type) {
    case JsonType::Object: return "an object";
    case JsonType::List: return "a list";
    case JsonType::Text: return "a text";
    case JsonType::Number: return "a number";
    case JsonType::Boolean: return "true or false";
    case JsonType::Null: return "null";
  }
  return {};
}

JsonSettings ReadJsonSettings(std::string_view json) {
  JsonSettings out;
  Reader(json, out).Document();
  return out;
}

}  // namespace trv
