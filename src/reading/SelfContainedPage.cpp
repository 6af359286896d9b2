#include "reading/SelfContainedPage.h"

#include <map>
#include <optional>

#include "base/AppError.h"
#include "base/FileBytes.h"
#include "base/TextReplace.h"

namespace sibylon {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lowered(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = Lower(c);
  return lower;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
  if (at > text.size() || text.size() - at < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Lower(text[at + i]) != word[i]) return false;
  }
  return true;
}

std::size_t FindNoCase(std::string_view text, std::string_view word, std::size_t from) {
  for (std::size_t at = from; at + word.size() <= text.size(); ++at) {
    if (StartsWithNoCase(text, at, word)) return at;
  }
  return std::string_view::npos;
}

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  c = Lower(c);
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::string PercentDecoded(std::string_view text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
      if (high >= 0 && low >= 0) {
        decoded += static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    decoded += text[i];
  }
  return decoded;
}

// The file on this machine that a reference names, relative to `folder`; nothing for a reference
// of another scheme (a web address) or one that names no file.
std::optional<std::string> LocalFile(std::string_view reference, const std::string& folder) {
  std::string text = ReplaceAll(ReplaceAll(Trim(reference), "&quot;", ""), "&amp;", "&");
  std::size_t scheme_end = 0;
  while (scheme_end < text.size() &&
         (IsLetter(text[scheme_end]) || IsDigit(text[scheme_end]) || text[scheme_end] == '+' ||
          text[scheme_end] == '-' || text[scheme_end] == '.')) {
    ++scheme_end;
  }
  std::string path = text;
  if (scheme_end > 0 && scheme_end < text.size() && text[scheme_end] == ':' && IsLetter(text[0])) {
    if (Lowered(text.substr(0, scheme_end)) != "file") return std::nullopt;
    path = text.substr(scheme_end + 1);
    if (path.rfind("//", 0) == 0) {
      const std::size_t host_end = path.find('/', 2);
      const std::string host = Lowered(path.substr(2, host_end - 2));
      if (!host.empty() && host != "localhost") return std::nullopt;
      path = host_end == std::string::npos ? std::string() : path.substr(host_end);
    }
  }
  path = PercentDecoded(path.substr(0, path.find_first_of("?#")));
  if (path.empty()) return std::nullopt;
  if (path[0] != '/') path = folder + path;
  return path;
}

// What a page needs beside it, put into it: each file read and encoded once.
class Embedder {
 public:
  explicit Embedder(const std::string& folder) : folder_(folder) {}

  // The reference as the self-contained page has it.
  std::string Reference(std::string_view reference) {
    const std::string trimmed = Trim(reference);
    if (trimmed.empty() || trimmed[0] == '#' || StartsWithNoCase(trimmed, 0, "data:")) {
      return std::string(reference);
    }
    const std::optional<std::string> file = LocalFile(trimmed, folder_);
    if (!file) return std::string();
    auto known = embedded_.find(*file);
    if (known == embedded_.end()) {
      std::string address;
      try {
        address = "data:" + MediaTypeOf(*file) + ";base64," + Base64(ReadFileBytes(*file));
      } catch (const AppError&) {
        // A picture that is gone shows as missing, as in the program; nothing is fetched.
      }
      known = embedded_.emplace(*file, std::move(address)).first;
    }
    return known->second;
  }

  // Style text with each url() embedded.
  std::string Css(std::string_view css) {
    std::string out;
    std::size_t i = 0;
    while (true) {
      const std::size_t at = FindNoCase(css, "url(", i);
      if (at == std::string_view::npos) break;
      std::size_t start = at + 4;
      while (start < css.size() && IsSpace(css[start])) ++start;
      const char quote =
          start < css.size() && (css[start] == '"' || css[start] == '\'') ? css[start] : '\0';
      const std::size_t value_start = quote ? start + 1 : start;
      const std::size_t value_end = css.find(quote ? quote : ')', value_start);
      if (value_end == std::string_view::npos) break;
      out.append(css.substr(i, value_start - i));
      out += Reference(css.substr(value_start, value_end - value_start));
      i = value_end;
    }
    out.append(css.substr(i));
    return out;
  }

  // The value of attribute `attribute` of a `tag` element.
  std::string Attribute(const std::string& tag, const std::string& attribute,
                        std::string_view value) {
    if (attribute == "src" || attribute == "background" || attribute == "poster" ||
        (tag == "object" && attribute == "data") || (tag == "link" && attribute == "href")) {
      return Reference(value);
    }
    if (attribute == "srcset") return std::string();  // alternatives of a src that is embedded
    if (attribute == "style") return Css(value);
    return std::string(value);
  }

 private:
  const std::string& folder_;
  std::map<std::string, std::string> embedded_;
};

}  // namespace

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const unsigned value = static_cast<unsigned char>(bytes[i]) << 16 |
                           static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
    out += kDigits[value >> 18 & 63];
    out += kDigits[value >> 12 & 63];
    out += kDigits[value >> 6 & 63];
    out += kDigits[value & 63];
  }
  if (const std::size_t rest = bytes.size() - i; rest > 0) {
    unsigned value = static_cast<unsigned char>(bytes[i]) << 16;
    if (rest == 2) value |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    out += kDigits[value >> 18 & 63];
    out += kDigits[value >> 12 & 63];
    out += rest == 2 ? kDigits[value >> 6 & 63] : '=';
    out += '=';
  }
  return out;
}

std::string MediaTypeOf(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  const std::string extension =
      dot == std::string_view::npos ? std::string() : Lowered(path.substr(dot + 1));
  static const std::map<std::string, std::string> kTypes = {
      {"jpg", "image/jpeg"},    {"jpeg", "image/jpeg"},  {"png", "image/png"},
      {"gif", "image/gif"},     {"bmp", "image/bmp"},    {"webp", "image/webp"},
      {"svg", "image/svg+xml"}, {"ico", "image/x-icon"}, {"css", "text/css"}};
  const auto type = kTypes.find(extension);
  return type == kTypes.end() ? "application/octet-stream" : type->second;
}

std::string SelfContainedPage(std::string_view page, const std::string& page_folder) {
  Embedder embed(page_folder);
  std::string out;
  out.reserve(page.size());
  const std::size_t n = page.size();
  std::size_t i = 0;
  while (i < n) {
    const std::size_t tag_start = page.find('<', i);
    if (tag_start == std::string_view::npos) break;
    out.append(page.substr(i, tag_start - i));
    i = tag_start;
    if (page.compare(i, 4, "<!--") == 0) {
      const std::size_t end = page.find("-->", i + 4);
      const std::size_t stop = end == std::string_view::npos ? n : end + 3;
      out.append(page.substr(i, stop - i));
      i = stop;
      continue;
    }
    std::size_t j = i + 1;
    if (j >= n || !IsLetter(page[j])) {
      // An end tag, a declaration, or a "<" of the text: nothing in it loads anything.
      out += page[i++];
      continue;
    }
    while (j < n && !IsSpace(page[j]) && page[j] != '>' && page[j] != '/') ++j;
    const std::string tag = Lowered(page.substr(i + 1, j - i - 1));
    out.append(page.substr(i, j - i));
    i = j;
    bool closed = false;
    while (i < n) {
      if (IsSpace(page[i]) || page[i] == '/') {
        out += page[i++];
        continue;
      }
      if (page[i] == '>') {
        out += page[i++];
        closed = true;
        break;
      }
      std::size_t name_end = i;
      while (name_end < n && !IsSpace(page[name_end]) && page[name_end] != '=' &&
             page[name_end] != '>' && page[name_end] != '/') {
        ++name_end;
      }
      if (name_end == i) ++name_end;  // a stray "=": taken as it is
      const std::string attribute = Lowered(page.substr(i, name_end - i));
      out.append(page.substr(i, name_end - i));
      i = name_end;
      std::size_t after = i;
      while (after < n && IsSpace(page[after])) ++after;
      if (after >= n || page[after] != '=') continue;
      out.append(page.substr(i, after + 1 - i));
      i = after + 1;
      while (i < n && IsSpace(page[i])) out += page[i++];
      if (i >= n) break;
      const char quote = page[i] == '"' || page[i] == '\'' ? page[i] : '\0';
      std::size_t value_start = quote ? i + 1 : i;
      std::size_t value_end = value_start;
      if (quote) {
        value_end = page.find(quote, value_start);
        if (value_end == std::string_view::npos) value_end = n;
      } else {
        while (value_end < n && !IsSpace(page[value_end]) && page[value_end] != '>') ++value_end;
      }
      if (quote) out += quote;
      out += embed.Attribute(tag, attribute, page.substr(value_start, value_end - value_start));
      i = value_end;
      if (quote && i < n) out += page[i++];
    }
    if (closed && tag == "style") {
      const std::size_t end = FindNoCase(page, "</style", i);
      const std::size_t stop = end == std::string_view::npos ? n : end;
      out += embed.Css(page.substr(i, stop - i));
      i = stop;
    }
  }
  if (i < n) out.append(page.substr(i));
  return out;
}

}  // namespace sibylon
