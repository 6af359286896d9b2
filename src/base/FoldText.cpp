#include "base/FoldText.h"

namespace sibylon {
namespace {

// The base letter of a Latin letter with a diacritic (U+00C0..U+017F), in lower case, or 0.
char LatinBase(char32_t c) {
  static constexpr char kLatin1[] =  // U+00C0..U+00FF
      "aaaaaaaceeeeiiii"
      "dnooooo*ouuuuyts"
      "aaaaaaaceeeeiiii"
      "dnooooo/ouuuuyty";
  static constexpr char kExtendedA[] =  // U+0100..U+017F
      "aaaaaaccccccccdd"
      "ddeeeeeeeeeegggg"
      "gggghhhhiiiiiiii"
      "iiiijjkkklllllll"
      "lllnnnnnnnnnoooo"
      "oooorrrrrrssssss"
      "ssttttttuuuuuuuu"
      "uuuuwwyyyzzzzzzs";
  if (c >= 0xC0 && c <= 0xFF) {
    const char base = kLatin1[c - 0xC0];
    return base == '*' || base == '/' ? 0 : base;
  }
  if (c >= 0x100 && c <= 0x17F) return kExtendedA[c - 0x100];
  return 0;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      folded += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte);
      ++i;
      continue;
    }
    // Two-byte sequences hold every letter folded here; longer ones are copied.
    if ((byte & 0xE0) == 0xC0 && i + 1 < text.size() &&
        (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      const char32_t c = (static_cast<char32_t>(byte & 0x1F) << 6) |
                         (static_cast<unsigned char>(text[i + 1]) & 0x3F);
      if (const char base = LatinBase(c)) {
        folded += base;
      } else if (c >= 0x410 && c <= 0x42F) {  // А..Я
        AppendUtf8(folded, c + 0x20);
      } else if (c == 0x401 || c == 0x451) {  // Ё, ё
        AppendUtf8(folded, 0x435);
      } else if (c >= 0x400 && c <= 0x40F) {  // Ѐ..Џ
        AppendUtf8(folded, c + 0x50);
      } else {
        folded.append(text.substr(i, 2));
      }
      i += 2;
      continue;
    }
    folded += text[i];
    ++i;
  }
  return folded;
}

}  // namespace sibylon
