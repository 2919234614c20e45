// Painting text needs the font database of a GUI application, but never a
// screen: unless the user chose a platform, pictures are painted offscreen,
// which also gives the same pixels with and without a display.
#pragma once

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>

namespace tervala::batch {

class PaintingApplication {
  public:
    PaintingApplication() {
        if (QGuiApplication::instance()) return;
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        // Stderr carries the command's messages only: Qt's notes about its
        // environment (no runtime folder, say) are not for the user.
        qInstallMessageHandler(KeepSeriousQtMessages);
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

  private:
    static void KeepSeriousQtMessages(QtMsgType type, const QMessageLogContext&,
                                      const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << text.toStdString() << std::endl;
    }

    // The application keeps referring to its arguments while it lives.
    int argc_ = 1;
    char name_[14] = "tervala-batch";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace tervala::batch
