#include "ui/widgets/CardGroupName.h"

#include "ui/widgets/Translate.h"

namespace sibylon {

QString GroupName(CardGroup group) {
  switch (group) {
    case CardGroup::kMajor:
      return Tr("Major", "Старшие");
    case CardGroup::kWands:
      return Tr("Wands", "Жезлы");
    case CardGroup::kCups:
      return Tr("Cups", "Кубки");
    case CardGroup::kSwords:
      return Tr("Swords", "Мечи");
    case CardGroup::kCoins:
      return Tr("Coins", "Пентакли");
    default:
      return Tr("Blank", "Пустая");
  }
}

}  // namespace sibylon
