#include "ui/graph_picture.h"

#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cctype>

#include "graphs/graph_catalogue.h"
#include "graphs/plot_frame.h"
#include "ui/qpainter_surface.h"

namespace tervala {

QImage DrawGraphPicture(const GraphInput& input, DrawnGraph* drawn) {
    QImage picture = NewGraphImage();
    {
        QPainterSurface surface(picture);
        DrawnGraph result = DrawGraph(surface, input);
        if (drawn) *drawn = result;
    }
    return picture;
}

QImage DrawGraphOnScreen(const GraphInput& input, double zoom, double pixelRatio) {
    const double scale = zoom * pixelRatio;
    QImage picture(qRound(kPictureWidth * scale), qRound(kPictureHeight * scale),
                   QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainterSurface surface(picture, scale);
        DrawGraph(surface, input);
    }
    picture.setDevicePixelRatio(pixelRatio);
    return picture;
}

std::string LowerCaseExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

PictureFileType PictureFileTypeOf(const std::string& path) {
    const std::string extension = LowerCaseExtension(path);
    if (extension == ".bmp") return PictureFileType::Bitmap;
    if (extension == ".png") return PictureFileType::Png;
    return PictureFileType::Unknown;
}

bool SaveGraphPicture(const QImage& picture, const std::string& path, PictureFileType type) {
    const char* format = nullptr;
    QImage written;
    switch (type) {
        case PictureFileType::Bitmap:
            // Three bytes a pixel, whatever the screen's depth.
            written = picture.convertToFormat(QImage::Format_RGB888);
            format = "BMP";
            break;
        case PictureFileType::Png:
            written = picture.convertToFormat(QImage::Format_RGB888);
            format = "PNG";
            break;
        case PictureFileType::Unknown:
            return false;
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!written.save(&file, format)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace tervala
