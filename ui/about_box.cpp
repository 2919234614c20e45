#include "ui/about_box.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

#include "ui/program_info.h"

namespace tervala {

namespace {

QString AboutHtml() {
    return QString(
               "<h3>Tervala %1</h3>"
               "<p>Rainfall, drain discharge and water table of drained land: a model of two "
               "reservoirs for hydrologists and drainage engineers.</p>"
               "<p>Copyright &copy; 2026 the Tervala developers.<br>"
               "Licence: <b>%2</b> (GNU General Public License, version 3 or any later "
               "version). Tervala is free software: you may change and share it under that "
               "licence. It comes with NO WARRANTY, to the extent permitted by law.</p>"
               "<p>Built with:</p>"
               "<ul>"
               "<li>Qt %3: windows, drawing, image files and SVG drawings; LGPL-3.0-only (or "
               "GPL-2.0 / GPL-3.0)</li>"
               "<li>libjpeg-turbo, through Qt's JPEG image plugin: the pictures of the windows; "
               "IJG, BSD-3-Clause and Zlib licences</li>"
               "<li>CLI11: the command line of tervala-batch; BSD-3-Clause</li>"
               "<li>libcsv: reading series from CSV files; LGPL-2.1-or-later</li>"
               "<li>Boost.Math: the F distribution of the fit diagnostics' confidence region; "
               "BSL-1.0</li>"
               "<li>JSON for Modern C++ (nlohmann/json): the fit diagnostics as JSON; MIT</li>"
               "<li>the GNU C and C++ libraries; LGPL-2.1-or-later, and GPL-3.0 with the GCC "
               "Runtime Library Exception</li>"
               "</ul>"
               "<p>Qt itself uses further free libraries (FreeType, HarfBuzz, libpng, zlib and "
               "others), each under its own licence; an installed package names them in "
               "/usr/share/doc/&lt;package&gt;/copyright.</p>")
        .arg(kProgramVersion, kProgramLicence, qVersion());
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("AboutBox");
    setWindowTitle("About Tervala");
    AboutText = new QLabel(AboutHtml(), this);
    AboutText->setObjectName("AboutText");
    AboutText->setTextFormat(Qt::RichText);
    AboutText->setWordWrap(true);
    AboutText->setTextInteractionFlags(Qt::TextBrowserInteraction);
    AboutText->setOpenExternalLinks(true);
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(":/icons/tervala-48.png").pixmap(48, 48));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(AboutText);
    layout->addWidget(buttons);
    resize(480, 440);
}

}  // namespace tervala
