#include "ui/widgets/LinkTarget.h"

#include <QDesktopServices>

#include "ui/widgets/MessageBox.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {

LinkTarget LinkTargetOf(const QUrl& url) {
  const QString scheme = url.scheme();  // QUrl keeps schemes in lower case
  for (const char* local : {"file", "data", "about", "blob", "qrc", kPageScheme}) {
    if (scheme == QLatin1String(local)) return LinkTarget::kView;
  }
  for (const char* outside : {"http", "https", "mailto"}) {
    if (scheme == QLatin1String(outside)) return LinkTarget::kSystemHandler;
  }
  return LinkTarget::kRefused;
}

void OpenOnDesktop(QWidget* parent, const QUrl& url) {
  if (QDesktopServices::openUrl(url)) return;
  const QString shown = url.isLocalFile() ? url.toLocalFile() : url.toDisplayString();
  MessageBox::ShowError(
      parent, ToBytes(QStringLiteral("No program on this desktop opens \"%1\".").arg(shown)));
}

}  // namespace sibylon
