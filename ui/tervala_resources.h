// The pictures and guidance texts compiled into the program (resources/tervala.qrc):
// :/texts/<name>.txt and :/pictures/<name>.jpg.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace tervala {

// Registers the compiled-in resources. The windows live in a static library,
// whose resources are only linked in when this is called once before any
// window reads them (the program's main and the window tests call it).
void InitTervalaResources();

// The picture :/pictures/<name>.jpg fitted into `size` (keeping its
// proportions) for a screen of `pixelRatio` device pixels to a pixel: from
// the twice-as-large drawing "<name>@2x.jpg" when that ratio is above 1, so
// that it stays sharp.
QPixmap PictureForScreen(const QString& name, const QSize& size, qreal pixelRatio);

// The whole text of a resource file (UTF-8), or an empty text when it is missing.
QString ReadResourceText(const QString& path);

}  // namespace tervala
