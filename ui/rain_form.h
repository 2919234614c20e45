// The main window: five tab sheets (introduction, figure of the model, the
// input of a data set, the report, the graphs), the File and Edit menus and
// the status-bar guidance. The Input tab holds the time series in the grid
// StringGrid1 (time, rain plus irrigation and maximum escape rate in mm per
// time unit, and in an analysis the observed discharge or head) and the
// single-value fields of the first reservoir (mm), of the alpha function and
// of a prediction's initial values (porosity in percent).
//
// The window reads controls, calls the core and writes controls; the numbers
// live in the Session the program hands in. Every message, question and file
// dialog goes through the Dialogs it is given.
#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "model/graph_kind.h"
#include "ui/base_form.h"
#include "ui/input_undo.h"
#include "ui/main_file_dialogs.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QUndoStack;

namespace tervala {

class Dialogs;
class FocusExitFilter;
class GuiThreadRelay;
class TAboutBox;
class TFinishForm;
class TFitDiagnosticsForm;
struct AnalysisFit;
class TStringGrid;
class TDMOmbrel;
class WindowSettings;
struct Session;
struct SaveRequest;
struct SaveOutcome;
struct RunOutcome;
struct DrainageResult;

// The windows beside the main window, created by the program after it; any
// of them may be missing while the window is exercised on its own.
struct AuxiliaryWindows {
    TFinishForm* FinishForm = nullptr;
    QWidget* HelpForm = nullptr;
    QWidget* CommentForm = nullptr;
    QWidget* AlfaForm = nullptr;
};

// Where the main window opens: left edge and width on a screen of the given
// width, for a window designed `designWidth` pixels wide.
struct WindowPlacement {
    int Left;
    int Width;
};
WindowPlacement PlaceMainWindow(int screenWidth, int designWidth);

class TRainForm : public TBaseForm {
    Q_OBJECT

  public:
    explicit TRainForm(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TRainForm() override;

    // The data set exists only after the main window (start-up order); the
    // window touches no data-set field before it is handed in here.
    void UseDataSet(Session& session);
    void UseWindows(const AuxiliaryWindows& windows);

    // ---- tab sheets shown ----
    void IntroTabSheetShow();
    void FigureTabSheetShow();
    void InputTabSheetShow();
    void OutputTabSheetShow();
    void GraphicsTabSheetShow();

    // ---- Intro tab ----
    void FirstButtonClick();
    void SecondButtonClick();
    void AlphaButtonClick();
    void HeadButtonClick();
    void BackButtonClick();

    // ---- Input tab: grid ----
    void StringGrid1SetEditText(int col, int row, const QString& text);
    // Throws when a pasted row cannot be read back; StringGrid1SetEditText
    // answers that with its message.
    void HandlePasteMultiCell(int col0, int row0, const QString& text);
    void NrOfDataEditExit();
    void RefreshInputTab();
    void ClearButtonClick();

    // ---- Input tab: fields and option selector ----
    void MaxStorEditExit();
    void InitStorEditExit();
    void A1coeffEditExit();
    void InitRunEditExit();
    void InitLevelEditExit();
    void PorosityEditExit();
    void OptionComboBoxChange();
    void OptionComboBoxExit();

    // ---- Save/Run and opening files ----
    void InputSaveActionExecute();
    // True when a file name is chosen that may be written.
    bool ChooseInputFile();
    void InputOpenActionExecute();
    void OutputOpenActionExecute();
    // A file handed to the program rather than chosen in its dialog (the
    // command line, and so a file opened from the file manager): a report
    // (".out") opens as "Open output" opens it, any other file as "Open input".
    void OpenGivenFile(const std::string& path);
    // File > Open recent: one of the input files used last, opened as Open
    // input opens it; a file no longer there leaves the list with a message.
    void OpenRecentFile(const QString& file);
    // A file dropped on the window: an input file, a report or a graph bitmap
    // opens as Open input, Open output or Open graph open it.
    void OpenDroppedFile(const std::string& path);

    // ---- graphs (Output tab's "View graph" and the Graphics tab) ----
    // Sets up the choices of the Graphics tab for the report chosen for graphs.
    void ShowGraphicsTab();
    void ViewGraphButtonClick();
    void OutputOpenForGraphicsExecute();  // "Make graph"
    // The report chooser shared by Open output and Make graph: false when
    // cancelled. A file given takes the place of the dialog's answer.
    bool ChooseAndLoadReport(const std::optional<std::string>& given = std::nullopt);
    void SelectButtonClick();
    void GoButton1Click();
    void GoButton3Click();
    // Draws the graph of GraphKind from the series held, in the palette of
    // ColourMode, onto GraphImage and offers saving it.
    void ShowGraphics();
    void GraphSaveActionExecute();  // "Save color graph"
    void BlWhButtonClick();         // "Save Bl-Wh graph"
    void GraphOpenActionExecute();  // "Open graph"
    void OpenGraph(const std::optional<std::string>& given);

    // ---- series files (rain_form_series.cpp) ----
    void ImportSeriesActionExecute();  // File > "Import series...": a CSV file into the grid
    void SaveSeriesCsvButtonClick();   // Output tab: every series of the report as CSV
    void CopyGraphDataButtonClick();   // Graphics tab: the drawn graph's data to the clipboard

    // ---- fit diagnostics (rain_form_diagnostics.cpp) ----
    // Output tab, after an analysis: its measures of fit, water balance,
    // edge of the grid, confidence region and picture in a window of their own.
    void FitDiagnosticsButtonClick();

    // ---- auxiliary windows ----
    void HelpButtonClick();
    void AlfaButtonClick();
    void CommentButtonClick();
    void AboutActionExecute();  // Help > About
    // The calculator entered M and N ("%8.5f") and the porosity of a drained
    // field; the data set is now a prediction, and the Input tab shows one.
    void AlfaFormAlphaEntered(const QString& MText, const QString& NText,
                              const QString& PorosityText);

    // ---- Edit menu ----
    void EditCut1Execute();
    void EditCopy1Execute();
    void EditPaste1Execute();
    void EditDelete1Execute();

    // ---- window state ----
    bool DataEntered = false;     // the grid shows a data set rather than the template
    bool InGridEdit = false;      // a cell edit re-runs the number-of-data check
    int OrigNrOfData = 0;         // row count before the latest change
    bool ReportShown = false;     // a report is in the output memo
    bool GraphRequested = false;  // the Graphics tab draws at once when shown
    std::string StartDir;         // current folder at start-up
    bool RunCancelled = false;    // the file dialog was cancelled or the run failed
    // Share in percent of the full pauses between progress lines (500 and
    // 1000 ms) that is kept (0: none); they give the user time to read WaitMemo.
    int ProgressPausePercent = 40;
    TMainFileDialogs FileDialogs;
    // Graphs are drawn in colour (true) or black and white; saving in black
    // and white keeps it so until colour is chosen again.
    bool ColourMode = true;
    tervala::GraphKind GraphKind = tervala::GraphKind::ObservedCalculatedInTime;  // last chosen
    QImage GraphBitmap;  // the picture GraphImage shows: what the saving commands write

    // ---- controls (object names as listed) ----
    QMenuBar* MainMenu1 = nullptr;
    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* AboutAction = nullptr;
    TAboutBox* AboutBox = nullptr;  // made when first asked for
    QAction* EditCut1 = nullptr;
    QAction* EditCopy1 = nullptr;
    QAction* EditPaste1 = nullptr;
    QAction* EditDelete1 = nullptr;
    QAction* EditUndo = nullptr;  // grid steps of the Input tab (Ctrl+Z)
    QAction* EditRedo = nullptr;  // Ctrl+Shift+Z
    QUndoStack* GridHistory = nullptr;
    QMenu* RecentMenu = nullptr;  // File > Open recent
    QAction* FileExit1 = nullptr;
    QAction* ProgramExitItem = nullptr;  // the File menu's "Program e&Xit", runs FileExit1
    QAction* InputSaveAction = nullptr;
    QAction* InputOpenAction = nullptr;
    QAction* OutputOpenAction = nullptr;
    QAction* GraphOpenAction = nullptr;
    QAction* OutputOpenForGraphics = nullptr;
    QAction* GraphSaveAction = nullptr;
    QAction* ImportSeriesAction = nullptr;

    QTabWidget* PageControl1 = nullptr;
    QWidget* IntroTabSheet = nullptr;
    QWidget* FigureTabSheet = nullptr;
    QWidget* InputTabSheet = nullptr;
    QWidget* OutputTabSheet = nullptr;
    QWidget* GraphicsTabSheet = nullptr;

    // Intro tab
    QPlainTextEdit* IntroMemo = nullptr;
    QPlainTextEdit* FirstMemo = nullptr;
    QPlainTextEdit* SecondMemo = nullptr;
    QPlainTextEdit* AlphaMemo = nullptr;
    QPlainTextEdit* HeadMemo = nullptr;
    QGroupBox* DetailsBox = nullptr;
    QPushButton* FirstButton = nullptr;
    QPushButton* SecondButton = nullptr;
    QPushButton* AlphaButton = nullptr;
    QPushButton* HeadButton = nullptr;
    QPushButton* BackButton = nullptr;

    // Figure tab
    QLabel* Reservoir_Image = nullptr;
    QPlainTextEdit* RefMemo = nullptr;

    // Input tab
    QLabel* FileNameLabel = nullptr;
    QLineEdit* FileNameEdit = nullptr;
    QLabel* Title1Label = nullptr;
    QLineEdit* Title1Edit = nullptr;
    QLabel* Title2Label = nullptr;
    QLineEdit* Title2Edit = nullptr;
    QLabel* OptionLabel = nullptr;
    QComboBox* OptionComboBox = nullptr;
    QLabel* NrOfDataLabel = nullptr;
    QLineEdit* NrOfDataEdit = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    QLabel* TimeLabel = nullptr;
    QLabel* RainLabel = nullptr;
    QLabel* EvapLabel = nullptr;
    QLabel* RunoffLabel = nullptr;
    QLabel* StartLabel = nullptr;
    QGroupBox* FirstReservoirBox = nullptr;
    QLabel* MaxStorLabel = nullptr;
    QLineEdit* MaxStorEdit = nullptr;
    QLabel* InitStorLabel = nullptr;
    QLineEdit* InitStorEdit = nullptr;
    QLabel* EscapeLabel = nullptr;
    QLineEdit* EscapeEdit = nullptr;
    QGroupBox* AlphaDrainBox = nullptr;
    QLabel* AlphaLabel = nullptr;
    QLabel* A1coeffLabel = nullptr;
    QLineEdit* A1coeffEdit = nullptr;
    QLabel* B1valueLabel = nullptr;
    QLineEdit* B1valueEdit = nullptr;
    QGroupBox* PredictGroupBox = nullptr;
    QLabel* InitRunLabel = nullptr;
    QLineEdit* InitRunEdit = nullptr;
    QLabel* InitLevelLabel = nullptr;
    QLineEdit* InitLevelEdit = nullptr;
    QLabel* PorosityLabel = nullptr;
    QLineEdit* PorosityEdit = nullptr;
    QPlainTextEdit* TryMemo = nullptr;
    QPlainTextEdit* AlfaMemo = nullptr;
    QPlainTextEdit* WaitMemo = nullptr;  // progress lines of Save/Run
    QPushButton* AlfaButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* InputOpenButton = nullptr;
    QPushButton* InputSaveButton = nullptr;
    QLabel* InputImage = nullptr;

    // Output tab
    QPlainTextEdit* OutputMemo = nullptr;
    QPushButton* SeeOutputButton = nullptr;
    QPushButton* ViewGraphButton = nullptr;
    QPushButton* SaveSeriesCsvButton = nullptr;
    QPushButton* FitDiagnosticsButton = nullptr;        // shown after an analysis run here
    TFitDiagnosticsForm* FitDiagnosticsForm = nullptr;  // made when first asked for

    // Graphics tab
    QPushButton* MakeGraphButton = nullptr;
    QPushButton* SeeGraphButton = nullptr;
    QPushButton* SaveGraphButton = nullptr;
    QPushButton* BlWhButton = nullptr;
    QPushButton* CommentButton = nullptr;
    QPushButton* SelectButton = nullptr;
    QPushButton* CopyGraphDataButton = nullptr;
    QWidget* GraphArea = nullptr;    // grows with the window; the graph fills it
    QLabel* GraphImage = nullptr;    // the drawn graph, 623 x 465 and larger
    QLabel* PictureImage = nullptr;  // a graph bitmap opened from file, 617 x 449
    QWidget* Panel1 = nullptr;       // choices of an analysis report
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RunoffRadioButton = nullptr;
    QRadioButton* RechRadioButton = nullptr;
    QRadioButton* CalcObsRadioButton = nullptr;
    QRadioButton* RainRunRadioButton = nullptr;
    QRadioButton* RechRunRadioButton = nullptr;
    QRadioButton* AlfaRadioButton = nullptr;  // never shown
    QPushButton* GoButton1 = nullptr;
    QWidget* Panel3 = nullptr;  // choices of a prediction report
    QGroupBox* RadioGroup3 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    QPushButton* GoButton3 = nullptr;

    static constexpr int kDesignWidth = 675;
    static constexpr int kDesignHeight = 640;
    static constexpr int kWaitMemoHeight = 240;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building the window (FormCreate).
    void CreateActions();
    void CreateMenus();
    void CreateIntroTab();
    void CreateFigureTab();
    void CreateInputTab();
    void CreateOutputTab();
    void CreateGraphicsTab();
    void PlaceWindow();
    void CreateRunControls();
    void CreateSeriesCommands();
    void CreateDiagnosticsCommands();
    void TabShown(int index);

    // Input tab layouts: four grid columns, or three with the prediction boxes.
    void SetAnalysisLayout();
    void SetPredictionLayout(int gridWidth);
    void ShowLayoutOfMode();
    void MakeTemplate();
    // Mode flags and tag from the option selector (first entry: discharge
    // analysis; second: prediction).
    void SetModeFromSelector();
    // Extra height the user gave the window beyond its design size: the grid
    // and the progress memo take it.
    int ExtraHeight() const;
    int GridHeight() const;
    void FitInputTabToWindow();
    // The graph in view drawn anew for the size of its area and the screen's
    // pixel ratio; GraphBitmap, what is saved, stays as drawn.
    void ShowGraphOnScreen();
    void PlaceGraphChoices();

    // Undo and redo of grid steps (rain_form_undo.cpp).
    void CreateGridHistory();
    void OfferGridHistory();
    QList<QLineEdit*> HistoryFields() const;
    InputSeriesState CaptureInputSeries();
    void RestoreInputSeries(const InputSeriesState& to, const InputSeriesState& from);
    void BeginGridStep();
    void EndGridStep();
    void ForgetGridHistory();
    std::optional<InputSeriesState> stepBefore_;

    // Remembered between starts (rain_form_desktop.cpp).
    void CreateDesktopCommands();
    void RememberInputFile(const std::string& file);
    void FillRecentMenu();
    void RememberWindow();
    WindowSettings* settings_ = nullptr;
    void ShowIntroMemo(QPlainTextEdit* memo);
    void HideCommentWindow();
    void ShowWindow(QWidget* window);
    void ShowMessage(const QString& text);

    TDMOmbrel& DM();

    // Graphs: the kind chosen read from the report and drawn; the picture
    // saved after a redraw in the palette asked for.
    void DrawChosenGraph();
    void SaveGraph(bool colour);

    // Save/Run: the controls read into a request, the kept rows shown, the
    // engine run off the window's thread, the report shown.
    SaveRequest ReadInputControls() const;
    void ShowKeptRows(const SaveOutcome& saved);
    RunOutcome RunSelectedModeOffThread(std::string& failure);
    void AddWaitLine(const std::string& line);
    void PauseForReading(int milliseconds);
    void ShowReportLines();
    bool runActive_ = false;
    // The user ended the program through the finish window: a run under way
    // is asked to stop, and Save/Run goes no further.
    void ProgramEnding();
    bool programEnding_ = false;
    GuiThreadRelay* runRelay_ = nullptr;  // the run's hand-over while a run works

    // Open input and Open output on the file given, or on the file the dialog
    // returns when none is given.
    void OpenInput(const std::optional<std::string>& given);
    // M and N derived from the parameter file of an input file opened for a
    // prediction: into the alpha and porosity fields, and the calculator shown.
    void ShowDerivedAlpha(const DrainageResult& alpha);
    void OpenOutput(const std::optional<std::string>& given);

    // The analysis just run, for its fit diagnostics; forgotten when another
    // report is shown.
    void KeepFit();
    void ForgetFit();
    std::unique_ptr<AnalysisFit> fit_;
    int fitNumber_ = 0;         // counts the analyses kept
    int diagnosedNumber_ = -1;  // the one the diagnostics window shows

    Dialogs& dialogs_;
    Session* session_ = nullptr;
    AuxiliaryWindows windows_;
    FocusExitFilter* exits_ = nullptr;
};

}  // namespace tervala
