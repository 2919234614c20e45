#include "ui/help_form.h"

#include <QVBoxLayout>

#include "ui/program_folders.h"
#include "ui/tervala_resources.h"

namespace tervala {

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Start help");
    setObjectName("HelpForm");
    HelpMemo = new QPlainTextEdit(this);
    HelpMemo->setObjectName("HelpMemo");
    HelpMemo->setReadOnly(true);
    HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The worked example names the folder where this installation keeps the examples.
    const std::string examples = ExamplesFolder();
    HelpMemo->setPlainText(ReadResourceText(":/texts/start_help.txt")
                               .replace("@EXAMPLES@", examples.empty()
                                                          ? QString("beside the program")
                                                          : QString::fromStdString(examples)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(HelpMemo);
    resize(560, 520);
}

}  // namespace tervala
