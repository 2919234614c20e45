// The window program as it runs: the windows and the data set in their order
// of creation, wired to each other, and the end of the event loop when the
// user finishes. The program start builds it with the real dialogs; window
// tests build the very same with scripted ones and run the real event loop.
#pragma once

#include <QApplication>
#include <QThread>

#include "engine/session.h"
#include "ui/alfa_form.h"
#include "ui/comment_form.h"
#include "ui/dialogs.h"
#include "ui/finish_form.h"
#include "ui/help_form.h"
#include "ui/rain_form.h"

namespace tervala {

struct TervalaProgram {
    explicit TervalaProgram(Dialogs& dialogs) : RainForm(dialogs), AlfaForm(DMOmbrel, dialogs) {
        RainForm.UseDataSet(DMOmbrel);
        AuxiliaryWindows windows;
        windows.FinishForm = &FinishForm;
        windows.HelpForm = &HelpForm;
        windows.CommentForm = &CommentForm;
        windows.AlfaForm = &AlfaForm;
        RainForm.UseWindows(windows);
        // Not quit(): that asks every window to close first, and the main
        // window refuses closing by design. Outside any event loop (windows
        // driven without one) there is no loop to end, and an exit then would
        // end every loop started later at once.
        QObject::connect(&FinishForm, &TFinishForm::EndProgram, &FinishForm, [] {
            if (QThread::currentThread()->loopLevel() > 0) QApplication::exit(0);
        });
    }
    TervalaProgram(const TervalaProgram&) = delete;
    TervalaProgram& operator=(const TervalaProgram&) = delete;

    // Created in this order, and destroyed in the reverse one.
    TRainForm RainForm;
    TFinishForm FinishForm;
    Session DMOmbrel;  // the data set and the values beside it
    THelpForm HelpForm;
    TCommentForm CommentForm;
    TAlfaForm AlfaForm;
};

}  // namespace tervala
