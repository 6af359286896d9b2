#include "deckimport/OpenDeckToml.h"

#include <toml++/toml.h>

#include <sstream>

namespace sibylon {
namespace {

std::optional<toml::table> Parse(std::string_view text, TomlProblem& problem) {
  problem.message.clear();
  try {
    return toml::parse(text);
  } catch (const toml::parse_error& error) {
    std::ostringstream message;
    message << "line " << error.source().begin.line << ": " << error.description();
    problem.message = message.str();
    return std::nullopt;
  }
}

std::string Text(const toml::node_view<const toml::node>& node) {
  return std::string(node.value_or(std::string_view()));
}

bool Contains(const std::string& text, std::string_view word) {
  return text.find(word) != std::string::npos;
}

std::optional<TrumpOrder> OrderOf(const toml::table& remap) {
  // The trump the deck puts at VIII decides; XI is read where VIII is not given.
  std::string eight = LowerAscii(Text(remap["08"]));
  if (eight.empty()) eight = LowerAscii(Text(remap["8"]));
  if (Contains(eight, "justice")) return TrumpOrder::kJusticeEight;
  if (Contains(eight, "strength")) return TrumpOrder::kStrengthEight;
  const std::string eleven = LowerAscii(Text(remap["11"]));
  if (Contains(eleven, "strength")) return TrumpOrder::kJusticeEight;
  if (Contains(eleven, "justice")) return TrumpOrder::kStrengthEight;
  return std::nullopt;
}

}  // namespace

OpenDeckDescription ReadDeckToml(std::string_view text, TomlProblem& problem) {
  OpenDeckDescription description;
  const std::optional<toml::table> table = Parse(text, problem);
  if (!table) return description;
  const auto deck = (*table)["deck"];
  description.info.name = Text(deck["name"]);
  description.info.author = Text(deck["author"]);
  description.info.license = Text(deck["license"]);
  if (const toml::table* remap = (*table)["remap_major_arcana"].as_table()) {
    description.order = OrderOf(*remap);
  }
  return description;
}

std::vector<std::pair<SourceCard, std::string>> ReadCardNames(std::string_view text,
                                                              TomlProblem& problem) {
  std::vector<std::pair<SourceCard, std::string>> names;
  const std::optional<toml::table> table = Parse(text, problem);
  if (!table) return names;
  if (const toml::table* majors = (*table)["major_arcana"].as_table()) {
    for (const auto& [key, value] : *majors) {
      const int trump = SmallNumber(key.str());
      const auto* name = value.as_string();
      if (trump >= 0 && trump < 22 && name) names.emplace_back(SourceCard{-1, trump}, name->get());
    }
  }
  if (const toml::table* minors = (*table)["minor_arcana"].as_table()) {
    for (const auto& [suit_key, suit_value] : *minors) {
      const int suit = SuitOfOpenDeckFolder(suit_key.str());
      const toml::table* ranks = suit_value.as_table();
      if (suit < 0 || !ranks) continue;
      for (const auto& [rank_key, value] : *ranks) {
        const SourceCard card = MinorCard(suit, RankOfOpenDeckName(rank_key.str()));
        const auto* name = value.as_string();
        if (card.Known() && name) names.emplace_back(card, name->get());
      }
    }
  }
  return names;
}

}  // namespace sibylon
