// A main window on the offscreen platform with its own data set and
// scripted dialogs, shown as the program shows it at start-up.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "engine/session.h"
#include "tests/ui/scripted_dialogs.h"
#include "ui/alfa_form.h"
#include "ui/comment_form.h"
#include "ui/finish_form.h"
#include "ui/help_form.h"
#include "ui/rain_form.h"
#include "ui/string_grid.h"

namespace tervala::testing {

class RainFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<TRainForm>(dialogs);
        finish = std::make_unique<TFinishForm>();
        help = std::make_unique<THelpForm>();
        comment = std::make_unique<TCommentForm>();
        alfa = std::make_unique<TAlfaForm>(session, dialogs);
        form->UseDataSet(session);
        AuxiliaryWindows windows;
        windows.FinishForm = finish.get();
        windows.HelpForm = help.get();
        windows.CommentForm = comment.get();
        windows.AlfaForm = alfa.get();
        form->UseWindows(windows);
        form->show();
    }

    void TearDown() override {
        form.reset();
        alfa.reset();
        comment.reset();
        help.reset();
        finish.reset();
    }

    TDMOmbrel& dm() { return session.DMOmbrel; }
    TStringGrid& grid() { return *form->StringGrid1; }

    void ShowInputTab() { form->PageControl1->setCurrentWidget(form->InputTabSheet); }

    // The texts of columns 0..cols-1 of row `row`.
    QStringList Row(int row, int cols = 4) {
        QStringList cells;
        for (int c = 0; c < cols; ++c) cells << grid().Cell(c, row);
        return cells;
    }

    // What the grid receives when a block arrives in cell (col, row).
    void Paste(int col, int row, const QString& text) {
        form->StringGrid1SetEditText(col, row, text);
    }

    // Types `text` into NrOfDataEdit and leaves the field.
    void EnterNrOfData(const QString& text) {
        form->NrOfDataEdit->setText(text);
        form->NrOfDataEditExit();
    }

    Session session;
    ScriptedDialogs dialogs;
    std::unique_ptr<TRainForm> form;
    std::unique_ptr<TFinishForm> finish;
    std::unique_ptr<THelpForm> help;
    std::unique_ptr<TCommentForm> comment;
    std::unique_ptr<TAlfaForm> alfa;
};

// Spreadsheet text: cells joined by tabs, rows ended by CR LF.
inline QString SpreadsheetRows(const std::vector<QStringList>& rows, bool closingBreak = true) {
    QStringList lines;
    for (const QStringList& r : rows) lines << r.join('\t');
    QString text = lines.join("\r\n");
    if (closingBreak) text += "\r\n";
    return text;
}

}  // namespace tervala::testing
