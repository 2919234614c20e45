// Start of the window program: the application title, then the windows and
// the data set in their order of creation, then the event loop. All windows
// live until the end and are only shown and hidden; the program ends through
// the finish window.
#include <QApplication>

#include "engine/session.h"
#include "ui/alfa_form.h"
#include "ui/comment_form.h"
#include "ui/finish_form.h"
#include "ui/help_form.h"
#include "ui/qt_dialogs.h"
#include "ui/rain_form.h"
#include "ui/tervala_resources.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString title = "Ombrel rainfall runoff relations";
    QApplication::setApplicationName(title);
    tervala::InitTervalaResources();
    tervala::QtDialogs dialogs(title);

    tervala::TRainForm RainForm(dialogs);
    tervala::TFinishForm FinishForm;
    tervala::Session DMOmbrel;  // the data set and the values beside it
    tervala::THelpForm HelpForm;
    tervala::TCommentForm CommentForm;
    tervala::TAlfaForm AlfaForm(DMOmbrel, dialogs);

    RainForm.UseDataSet(DMOmbrel);
    tervala::AuxiliaryWindows windows;
    windows.FinishForm = &FinishForm;
    windows.HelpForm = &HelpForm;
    windows.CommentForm = &CommentForm;
    windows.AlfaForm = &AlfaForm;
    RainForm.UseWindows(windows);
    // Not quit(): that asks every window to close first, and the main window
    // refuses closing by design.
    QObject::connect(&FinishForm, &tervala::TFinishForm::EndProgram, &app,
                     [] { QApplication::exit(0); });

    RainForm.show();
    return app.exec();
}
