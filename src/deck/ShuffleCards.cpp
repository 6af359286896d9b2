#include "deck/ShuffleCards.h"

#include <array>

#include "base/AppError.h"
#include "base/StrToInt.h"
#include "deck/CardCatalogue.h"
#include "deck/Lcg.h"

namespace sibylon {
namespace {

AppError TooManyBlankCards(int count) {
  return AppError("Too many blank cards (" + std::to_string(count) + "); at most " +
                  std::to_string(kMaxBlankCards) + " can be added");
}

const std::array<std::string, kCardCount>& CardTexts() {
  static const auto kTexts = [] {
    std::array<std::string, kCardCount> texts;
    for (int card = 0; card < kCardCount; ++card) texts[card] = CardNumberText(card);
    return texts;
  }();
  return kTexts;
}

std::vector<std::string> PoolTexts(const std::vector<unsigned char>& pool) {
  std::vector<std::string> texts;
  texts.reserve(pool.size());
  for (unsigned char card : pool) texts.push_back(CardTexts()[card]);
  return texts;
}

}  // namespace

int BlankCardCount(const DeckOptions& options) {
  if (!options.blanks) return 0;
  const int count = StrToInt(options.blank_count);
  if (count > kMaxBlankCards) throw TooManyBlankCards(count);
  return count > 0 ? count : 0;
}

ShuffleResult ShuffleCards(const DeckOptions& options, std::uint32_t seed) {
  // The pool is kept as card numbers: removing from the middle of it then moves bytes, not
  // strings, which keeps a shuffle of a thousand entries fast.
  std::vector<unsigned char> pool;
  pool.assign(static_cast<std::size_t>(BlankCardCount(options)), 0);
  auto append = [&pool](int first, int last) {
    for (int card = first; card <= last; ++card) pool.push_back(static_cast<unsigned char>(card));
  };
  if (options.major_only) append(1, 22);
  if (options.minor_only) append(23, 78);
  if (options.all_cards) append(1, 78);

  ShuffleResult result;
  const std::size_t draws = pool.size();
  result.fortune.reserve(draws);
  result.mirrors.reserve(draws);
  Lcg random(seed);
  for (std::size_t i = 0; i < draws; ++i) {
    const std::uint32_t index = random.Index(static_cast<std::uint32_t>(pool.size()));
    const unsigned char card = pool[index];
    const char* orientation = "normal";
    if (card == 0) {
      orientation = "blank";
    } else if (options.reversed && random.Draw() % 2 == 1) {
      orientation = "reversed";
    }
    result.fortune.push_back(CardTexts()[card]);
    result.mirrors.emplace_back(orientation);
    if (!options.repeat) pool.erase(pool.begin() + index);
  }
  result.card_pool = PoolTexts(pool);
  return result;
}

}  // namespace sibylon
