#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace sibylon::fuzz {

// The fuzzer's bytes as text.
inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The text cut into `count` parts at its first count - 1 NUL bytes (missing parts are empty).
inline std::vector<std::string_view> Parts(std::string_view text, std::size_t count) {
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < count) {
    const std::size_t nul = text.find('\0');
    if (nul == std::string_view::npos) break;
    parts.push_back(text.substr(0, nul));
    text.remove_prefix(nul + 1);
  }
  parts.push_back(text);
  parts.resize(count);
  return parts;
}

}  // namespace sibylon::fuzz
