// The program's windows, headless, created and wired as its start does, driven
// by real key and mouse events, the real clipboard and real closing.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <optional>

#include "app/tervala_program.h"
#include "tests/support/test_support.h"
#include "tests/ui/scripted_dialogs.h"
#include "ui/string_grid.h"

namespace tervala::testing {

// Spreadsheet text: cells joined by tabs, each row ended by CR LF.
inline QString SpreadsheetRows(const std::vector<QStringList>& rows) {
    QString text;
    for (const QStringList& r : rows) text += r.join('\t') + "\r\n";
    return text;
}

struct Windows {
    bool restarted;  // keeps what the window remembered, or forgets it first
    ScriptedDialogs dialogs;
    TervalaProgram program{dialogs};  // created and wired as the program's start does
    TRainForm& form = program.RainForm;
    TFinishForm& finish = program.FinishForm;
    Session& session = program.DMOmbrel;
    THelpForm& help = program.HelpForm;
    TCommentForm& comment = program.CommentForm;
    TAlfaForm& alfa = program.AlfaForm;
    bool ended = false;  // the finish window ended the program
    TempDir dir;

    // `restart`: the program starts again with what it remembered.
    explicit Windows(bool onInputTab = false, bool restart = false)
        : restarted(restart || (QSettings("tervala", "tervala").clear(), false)) {
        QObject::connect(&finish, &TFinishForm::EndProgram, [this] { ended = true; });
        form.ProgressPausePercent = 0;
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        if (onInputTab) ShowTab(form.InputTabSheet);
    }

    TDMOmbrel& dm() { return session.DMOmbrel; }
    TStringGrid& grid() { return *form.StringGrid1; }
    QStringList Row(int row, int cols = 4) {
        QStringList cells;
        for (int c = 0; c < cols; ++c) cells << grid().Cell(c, row);
        return cells;
    }
    std::vector<QStringList> Grid() {
        std::vector<QStringList> rows;
        for (int r = 0; r < grid().RowCount(); ++r) rows.push_back(Row(r));
        return rows;
    }

    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // A click on the tab of `page` in the tab bar.
    void ShowTab(QWidget* page) {
        QTabBar* bar = form.PageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->tabRect(form.PageControl1->indexOf(page)).center());
    }
    void ClickCell(int row, int col, bool twice = false) {
        const QPoint at = CellCenter(row, col);
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, at);
        if (twice) QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, at);
    }
    // A double click on a cell opens its editor.
    GridCellEditor* OpenEditor(int row, int col) {
        ClickCell(row, col, true);
        return grid().ActiveEditor();
    }
    static void SetClipboard(const QString& text) { QApplication::clipboard()->setText(text); }
    // Ctrl+V on a cell.
    void PasteIntoCell(int row, int col, const QString& text) {
        SetClipboard(text);
        ClickCell(row, col);
        QTest::keyClick(&grid(), Qt::Key_V, Qt::ControlModifier);
    }
    // A command of the menu bar, chosen with the mouse: a click on the
    // menu's title, then on the command.
    void ChooseMenu(const QString& title, const QString& command) {
        QMenu* menu = nullptr;
        for (QAction* m : form.MainMenu1->actions())
            if (m->text() == title) {
                QTest::mouseClick(form.MainMenu1, Qt::LeftButton, {},
                                  form.MainMenu1->actionGeometry(m).center());
                menu = m->menu();
            }
        ASSERT_TRUE(menu && menu->isVisible()) << "no menu opened";
        for (QAction* a : menu->actions())
            if (a->text() == command)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
    }
    // File > Open recent (opened with the arrow key), its entry `i` clicked.
    void ChooseRecent(int i) {
        ChooseMenu("&File", "");
        form.FileMenu->setActiveAction(form.RecentMenu->menuAction());
        QTest::keyClick(form.FileMenu, Qt::Key_Right);
        QMenu* recent = form.RecentMenu;
        ASSERT_TRUE(recent->isVisible() && i < recent->actions().size());
        QTest::mouseClick(recent, Qt::LeftButton, {},
                          recent->actionGeometry(recent->actions()[i]).center());
    }
    // A file dragged from a file manager and dropped on the window.
    void Drop(const std::string& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
        DropOn(&form, data);
    }
    static void DropOn(QWidget* target, QMimeData& data) {
        const QPointF at = target->rect().center();
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        if (enter.isAccepted()) QApplication::sendEvent(target, &drop);
    }
    QPoint CellCenter(int row, int col) {
        return grid().visualRect(grid().model()->index(row, col)).center();
    }
    // Chooses `command` ("&Paste") from the context menu a right click on
    // `widget` (at `at`, or its middle) opens.
    static void ChooseFromContextMenu(QWidget* widget, const QString& command,
                                      std::optional<QPoint> at = std::nullopt) {
        WhenShown(QApplication::activePopupWidget, [command](QWidget* popup) {
            auto* menu = qobject_cast<QMenu*>(popup);
            for (QAction* a : menu->actions())
                if (a->text().section('\t', 0, 0) == command) menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        const QPoint point = at.value_or(widget->rect().center());
        QTest::mousePress(widget, Qt::RightButton, {}, point);
        QContextMenuEvent click(QContextMenuEvent::Mouse, point, widget->mapToGlobal(point));
        QApplication::sendEvent(widget, &click);
        QTest::mouseRelease(widget, Qt::RightButton, {}, point);
    }
    // `act` on the window `shown` finds (a popup menu, a message box, a file
    // dialog) as soon as the event loop shows it.
    static void WhenShown(QWidget* (*shown)(), std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [shown, act] {
            if (QWidget* window = shown())
                act(window);
            else
                WhenShown(shown, act);
        });
    }
    // Types into a field, replacing its text, and leaves it with Tab.
    void Type(QLineEdit* field, const QString& text) {
        Click(field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    // " Save / Run" pressed, its file dialog answered with `file` in the test
    // folder and an overwrite question with `overwrite`.
    void SaveRun(const std::string& file, bool overwrite = false) {
        dialogs.saveAnswers.push_back(dir.File(file));
        dialogs.answers.push_back(overwrite);
        Click(form.InputSaveButton);
    }
    void OpenInput(const std::string& path) {
        dialogs.openAnswers.push_back(path);
        Click(form.InputOpenButton);
    }
    // `act` runs while a run computes: at the engine's first progress line,
    // which the run waits to see painted before it goes on.
    void DuringRun(std::function<void()> act) {
        auto done = std::make_shared<bool>(false);
        QObject::connect(form.WaitMemo, &QPlainTextEdit::textChanged, &form, [=, this] {
            const QString text = form.WaitMemo->toPlainText();
            if (*done || !(text.contains(" Please wait") || text.contains(" Calculating"))) return;
            *done = true;
            act();
        });
    }
    // The program's own event loop, ended as the program ends it (the finish
    // window quits it); `start` runs once the loop runs. Its exit code.
    int RunProgram(std::function<void()> start) {
        QTimer::singleShot(0, start);
        return QApplication::exec();
    }
};

}  // namespace tervala::testing
