#include "ui/rain_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>
#include <cassert>
#include <filesystem>

#include "engine/fit_diagnosis.h"
#include "engine/session.h"
#include "ui/about_box.h"
#include "ui/alfa_form.h"
#include "ui/dialogs.h"
#include "ui/finish_form.h"
#include "ui/focus_exit_filter.h"
#include "ui/string_grid.h"
#include "ui/window_settings.h"

namespace tervala {

namespace {

// A Windows-style hint "Short|Long": the short part is the tooltip, the long
// part the status-bar text; a hint without "|" serves as both.
void SetHint(QAction* action, const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

QAction* MakeAction(QObject* owner, const char* name, const QString& caption) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    return action;
}

std::string CurrentFolder() {
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
}

}  // namespace

WindowPlacement PlaceMainWindow(int screenWidth, int designWidth) {
    WindowPlacement p{100, designWidth};
    if (screenWidth > 675) {
        p.Width = 675;
    } else if (screenWidth < designWidth) {
        p.Left = 10;
        p.Width = screenWidth - 10;
    }
    return p;
}

TRainForm::TRainForm(Dialogs& dialogs, QWidget* parent) : TBaseForm(parent), dialogs_(dialogs) {
    setObjectName("RainForm");
    setWindowTitle("Tervala, calcuations for sunsurface drainage");

    exits_ = new FocusExitFilter(this);
    CreateActions();
    CreateGridHistory();
    CreateMenus();

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    CreateIntroTab();
    CreateFigureTab();
    CreateInputTab();
    CreateOutputTab();
    CreateGraphicsTab();
    CreateRunControls();
    CreateSeriesCommands();
    CreateDiagnosticsCommands();
    setCentralWidget(PageControl1);
    PageControl1->setCurrentWidget(IntroTabSheet);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TRainForm::TabShown);

    StartDir = CurrentFolder();
    FileDialogs.SetDialogFolders(StartDir);
    FileDialogs.GraphOpenDialog.InitialFolder = CurrentFolder();
    FileDialogs.GraphSaveDialog.InitialFolder = CurrentFolder();

    DataEntered = false;
    ReportShown = false;
    GraphRequested = false;
    FileNameLabel->hide();
    FileNameEdit->hide();
    PlaceWindow();
    CreateDesktopCommands();
}

TRainForm::~TRainForm() { delete settings_; }

void TRainForm::UseDataSet(Session& session) { session_ = &session; }

void TRainForm::UseWindows(const AuxiliaryWindows& windows) {
    windows_ = windows;
    if (windows.FinishForm) {
        connect(windows.FinishForm, &TFinishForm::EndProgram, this, &TRainForm::ProgramEnding,
                Qt::UniqueConnection);
    }
    if (auto* calculator = qobject_cast<TAlfaForm*>(windows.AlfaForm)) {
        connect(calculator, &TAlfaForm::AlphaEntered, this, &TRainForm::AlfaFormAlphaEntered,
                Qt::UniqueConnection);
    }
}

TDMOmbrel& TRainForm::DM() {
    assert(session_ && "the data set is handed in before the window is used");
    return session_->DMOmbrel;
}

void TRainForm::PlaceWindow() {
    int screenWidth = kDesignWidth;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        screenWidth = screen->geometry().width();
    const WindowPlacement p = PlaceMainWindow(screenWidth, kDesignWidth);
    resize(p.Width, kDesignHeight);
    move(p.Left, 40);
    // Smaller than designed, controls would be cut; a screen smaller than
    // that gets the window at the size it allows.
    QSize least(kDesignWidth, kDesignHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        least = least.boundedTo(screen->availableGeometry().size());
    setMinimumSize(least.boundedTo(QSize(p.Width, kDesignHeight)));
}

void TRainForm::resizeEvent(QResizeEvent* event) {
    TBaseForm::resizeEvent(event);
    FitInputTabToWindow();
}

bool TRainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == GraphArea && event->type() == QEvent::Resize) {
        PlaceGraphChoices();
        if (GraphImage->isVisible()) ShowGraphOnScreen();
    }
    return TBaseForm::eventFilter(watched, event);
}

// ---- actions and menus ----

void TRainForm::CreateActions() {
    EditCut1 = MakeAction(this, "EditCut1", "Cu&t");
    EditCut1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    SetHint(EditCut1, "Cut|Cuts the selection and puts it on the Clipboard");
    EditCopy1 = MakeAction(this, "EditCopy1", "&Copy");
    EditCopy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    SetHint(EditCopy1, "Copy|Copies the selection and puts it on the Clipboard");
    EditPaste1 = MakeAction(this, "EditPaste1", "&Paste");
    EditPaste1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    SetHint(EditPaste1, "Paste|Inserts Clipboard contents");
    EditDelete1 = MakeAction(this, "EditDelete1", "&Delete");
    EditDelete1->setShortcut(QKeySequence(Qt::Key_Delete));
    SetHint(EditDelete1, "Delete|Erases the selection");
    FileExit1 = MakeAction(this, "FileExit1", "E&xit");
    SetHint(FileExit1, "Exit|Quits the application");

    InputSaveAction = MakeAction(this, "InputSaveAction", "Save i&Nput");
    InputOpenAction = MakeAction(this, "InputOpenAction", "Open &Input");
    OutputOpenAction = MakeAction(this, "OutputOpenAction", "Open &Output");
    GraphOpenAction = MakeAction(this, "GraphOpenAction", "Open &Graph");
    OutputOpenForGraphics = MakeAction(this, "OutputOpenForGraphics", "Open &Graph");
    GraphSaveAction = MakeAction(this, "GraphSaveAction", "Save g&Raph");
    // Saving is offered only while a freshly drawn graph is on screen.
    GraphSaveAction->setEnabled(false);

    connect(EditCut1, &QAction::triggered, this, &TRainForm::EditCut1Execute);
    connect(EditCopy1, &QAction::triggered, this, &TRainForm::EditCopy1Execute);
    connect(EditPaste1, &QAction::triggered, this, &TRainForm::EditPaste1Execute);
    connect(EditDelete1, &QAction::triggered, this, &TRainForm::EditDelete1Execute);
    connect(FileExit1, &QAction::triggered, this, &QWidget::close);

    // Shortcuts work wherever the focus is in the window.
    addActions({EditCut1, EditCopy1, EditPaste1, EditDelete1, FileExit1, InputSaveAction,
                InputOpenAction, OutputOpenAction, GraphOpenAction, OutputOpenForGraphics,
                GraphSaveAction});
}

void TRainForm::CreateMenus() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    FileMenu = MainMenu1->addMenu("&File");
    FileMenu->setObjectName("FileMenu");
    FileMenu->addAction(InputOpenAction);
    FileMenu->addAction(OutputOpenAction);
    FileMenu->addAction(GraphOpenAction);
    FileMenu->addAction(InputSaveAction);
    FileMenu->addAction(GraphSaveAction);
    FileMenu->addSeparator();
    ProgramExitItem = FileMenu->addAction("Program e&Xit");
    ProgramExitItem->setObjectName("ProgramExitItem");
    ProgramExitItem->setToolTip(FileExit1->toolTip());
    ProgramExitItem->setStatusTip(FileExit1->statusTip());
    connect(ProgramExitItem, &QAction::triggered, FileExit1, &QAction::trigger);

    EditMenu = MainMenu1->addMenu("&Edit");
    EditMenu->setObjectName("EditMenu");
    EditMenu->addAction(EditUndo);
    EditMenu->addAction(EditRedo);
    EditMenu->addSeparator();
    EditMenu->addAction(EditCopy1);
    EditMenu->addAction(EditCut1);
    EditMenu->addAction(EditPaste1);

    HelpMenu = MainMenu1->addMenu("&Help");
    HelpMenu->setObjectName("HelpMenu");
    AboutAction = HelpMenu->addAction("&About Tervala");
    AboutAction->setObjectName("AboutAction");
    connect(AboutAction, &QAction::triggered, this, [this] { AboutActionExecute(); });
    setMenuBar(MainMenu1);
}

// ---- tab sheets ----

void TRainForm::showEvent(QShowEvent* event) {
    TBaseForm::showEvent(event);
    // The active sheet is shown together with the window.
    if (!event->spontaneous()) TabShown(PageControl1->currentIndex());
}

void TRainForm::TabShown(int index) {
    if (!session_) return;
    QWidget* page = PageControl1->widget(index);
    if (page == IntroTabSheet)
        IntroTabSheetShow();
    else if (page == FigureTabSheet)
        FigureTabSheetShow();
    else if (page == InputTabSheet)
        InputTabSheetShow();
    else if (page == OutputTabSheet)
        OutputTabSheetShow();
    else if (page == GraphicsTabSheet)
        GraphicsTabSheetShow();
    OfferGridHistory();
}

void TRainForm::IntroTabSheetShow() {
    ShowStatus("Click on the Input tab to proceed.");
    InputSaveAction->setEnabled(false);
    GraphSaveAction->setEnabled(false);
    BlWhButton->setEnabled(false);
    ShowIntroMemo(IntroMemo);
    HideCommentWindow();
    GraphRequested = false;

    SetModeFromSelector();
    DM().AlphaTag = kLinearAlphaTag;
    const bool prediction = OptionComboBox->currentIndex() == 1;
    AlphaDrainBox->hide();
    AlfaMemo->setVisible(prediction);
    AlfaButton->setVisible(prediction);

    // Starting values of the first reservoir for a new data set (mm, mm per time unit).
    TDMOmbrel& dm = DM();
    if (dm.MaxSto == 0) dm.MaxSto = 50;
    if (dm.IniSto == 0) dm.IniSto = 50;
    if (dm.MaxEsc == 0) dm.MaxEsc = 0.1;
}

void TRainForm::FigureTabSheetShow() {}

void TRainForm::InputTabSheetShow() {
    ShowStatus(
        "Enter data or use \"Open input\" to see examples under \"Data\" or to edit existing "
        "files. Thereafter use \"Save/Run\".");
    InputSaveAction->setEnabled(true);
    GraphSaveAction->setEnabled(false);
    BlWhButton->setEnabled(false);
    HideCommentWindow();
    GraphRequested = false;
    if (DM().ParFileRead) ShowWindow(windows_.AlfaForm);
    if (!DataEntered) {
        MakeTemplate();
    } else {
        // Another tab may have changed the mode (the Intro tab sets it from the
        // selector): the columns and boxes follow the mode in use.
        ShowLayoutOfMode();
    }
}

void TRainForm::OutputTabSheetShow() {
    ShowStatus(
        "The output file can be inspected. Use \"Open output\" to see examples under \"Data\" or "
        "to inspect any other output file.");
    ViewGraphButton->setVisible(ReportShown);
    FitDiagnosticsButton->setVisible(ReportShown && fit_);
    InputSaveAction->setEnabled(false);
    GraphSaveAction->setEnabled(false);
    BlWhButton->setEnabled(false);
    HideCommentWindow();
    GraphRequested = false;
}

void TRainForm::GraphicsTabSheetShow() {
    ShowStatus(
        "Graphics presentations of output data can be seen and saved. Use \"Make graph\" to open "
        "an output file and make the graphs.");
    InputSaveAction->setEnabled(false);
    GraphSaveAction->setEnabled(false);
    BlWhButton->setEnabled(false);
    SeeGraphButton->show();
    GraphImage->hide();
    PictureImage->hide();
    HideCommentWindow();
    ShowGraphicsTab();
}

// ---- auxiliary windows ----

void TRainForm::ShowWindow(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}

void TRainForm::HideCommentWindow() {
    if (windows_.CommentForm) windows_.CommentForm->hide();
    CommentButton->setEnabled(false);
}

void TRainForm::HelpButtonClick() { ShowWindow(windows_.HelpForm); }

void TRainForm::AlfaButtonClick() { ShowWindow(windows_.AlfaForm); }

void TRainForm::AlfaFormAlphaEntered(const QString& MText, const QString& NText,
                                     const QString& PorosityText) {
    // Shown beside an analysis (its input came with a parameter file), the
    // calculator still turns the data set into a prediction: the Input tab
    // follows, or Save/Run would write the grid of one mode under the other.
    if (!AlphaDrainBox->isVisibleTo(this) || OptionComboBox->currentIndex() != 1) {
        OptionComboBox->setCurrentIndex(1);
        ShowLayoutOfMode();
        AlfaMemo->show();
        AlfaButton->show();
    }
    A1coeffEdit->setText(MText);
    B1valueEdit->setText(NText);
    PorosityEdit->setText(PorosityText);
}

void TRainForm::CommentButtonClick() { ShowWindow(windows_.CommentForm); }

void TRainForm::AboutActionExecute() {
    if (!AboutBox) AboutBox = new TAboutBox(this);
    ShowWindow(AboutBox);
}

void TRainForm::ShowMessage(const QString& text) { dialogs_.ShowMessage(text.toStdString()); }

// ---- closing ----

void TRainForm::closeEvent(QCloseEvent* event) {
    // The program ends only through the finish window.
    event->ignore();
    if (windows_.FinishForm) ShowWindow(windows_.FinishForm);
}

// ---- Edit menu ----

void TRainForm::EditCut1Execute() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
        edit->cut();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus)) {
        memo->cut();
    } else if (focus == StringGrid1) {
        StringGrid1->CopySelection();
        StringGrid1->DeleteSelection();
    }
}

void TRainForm::EditCopy1Execute() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
        edit->copy();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus)) {
        memo->copy();
    } else if (focus == StringGrid1) {
        StringGrid1->CopySelection();
    }
}

void TRainForm::EditPaste1Execute() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* cellEditor = qobject_cast<GridCellEditor*>(focus)) {
        cellEditor->PasteClipboard();
    } else if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
        edit->paste();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus)) {
        memo->paste();
    } else if (focus == StringGrid1) {
        StringGrid1->PasteClipboard();
    }
}

void TRainForm::EditDelete1Execute() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
        edit->del();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus)) {
        if (!memo->isReadOnly()) memo->textCursor().removeSelectedText();
    } else if (focus == StringGrid1) {
        StringGrid1->DeleteSelection();
    }
}

}  // namespace tervala
