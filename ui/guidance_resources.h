// The long guidance texts and the pictures are compiled into the program as
// resources (":/texts/...", ":/pictures/..."). A missing resource reads as an
// empty text or an empty picture, so a window shows blank rather than failing.
#pragma once

#include <QPixmap>
#include <QString>

namespace tervala {

QString LoadGuidanceText(const QString& resourcePath);
QPixmap LoadPicture(const QString& resourcePath);

}  // namespace tervala
