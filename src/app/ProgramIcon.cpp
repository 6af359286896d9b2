#include "app/ProgramIcon.h"

#include <QDirIterator>

#include "base/Version.h"

namespace sibylon {

QIcon ProgramIcon() {
  QIcon icon;
  // One picture per size: ":/sibylon/icons/<n>x<n>/apps/<id>.png".
  QDirIterator sizes(QStringLiteral(":/sibylon/icons"), QDir::Dirs | QDir::NoDotAndDotDot);
  while (sizes.hasNext()) {
    icon.addFile(sizes.next() + QStringLiteral("/apps/" SIBYLON_APP_ID ".png"));
  }
  return icon;
}

}  // namespace sibylon
