// The Input tab's rules, one line per case, each driven as a user does it,
// and the drainage calculator an engineer works beside it.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "tests/ui/window_harness.h"

namespace tervala::testing {
namespace {

const char* kMaintain =
    "The number of data is less than the original number. Do you want to maintain the original "
    "number?";
const char* kInsufficient = "An insufficient number of data has been pasted more data are needed.";

// `n` rows "r + 1, 1, 0, 1" with `row` in place of row `at`.
QString Block(int n, int at = -1, const QStringList& row = {}) {
    std::vector<QStringList> rows;
    for (int r = 0; r < n; ++r) rows.push_back({QString::number(r + 1), "1", "0", "1"});
    if (at >= 0) rows[at] = row;
    return SpreadsheetRows(rows);
}

TEST(Paste, RulesOfASpreadsheetBlock) {
    QString tenRows, lineFeeds, column, fiveWide;
    for (int r = 0; r < 10; ++r) tenRows += QString("%1\t%2\t0.2\r\n").arg(r + 1).arg(1.5 * r);
    for (int r = 0; r < 15; ++r) lineFeeds += QString("%1\t3\t0.5\t%2\n").arg(r + 1).arg(r);
    for (int r = 0; r < 15; ++r) column += QString("%1\r\n").arg(r * 0.5);
    for (int r = 0; r < 15; ++r) fiveWide += QString("%1\t1\t0\t1\t77\t%2\r\n").arg(r).arg(r * 2);
    const std::vector<std::string> none, maintain = {kMaintain}, insufficient = {kInsufficient};
    // clang-format off
    const struct {
        const char* name;
        int row, col;  // the cell pasted into
        QString text;
        bool keepCount;  // the answer to the question, when it is asked
        std::vector<std::string> questions, messages;
        int rows;          // of the grid afterwards
        int check;         // a grid row to check, with its texts
        QStringList texts;
        double dataValue;  // the data set's value of that row and column `col`
    } cases[] = {
        {"TenLinesAnsweredNo", 0, 0, tenRows, false, maintain, {" The minimum number of data is 12"}, 10, 9, {"10", "13.5", "0.2", "0"}, 10},
        {"TenLinesAnsweredYes", 0, 0, tenRows, true, maintain, none, 15, 14, {"0", "0", "0", "0"}, 0},
        {"TwentyLinesAtRowFive", 5, 0, Block(20), false, none, none, 25, 24, {"20", "1", "0", "1"}, 20},
        // Regression: a last line without a line break was put below the
        // counted rows and lost.
        {"LastLineWithoutLineBreak", 0, 0, Block(16).chopped(2), false, none, none, 16, 15, {"16", "1", "0", "1"}, 16},
        {"OneRowWithoutLineBreak", 3, 1, "1,5\t0.1\t9", true, maintain, none, 15, 3, {"0", "1,5", "0.1", "9"}, 1.5},
        {"DecimalCommas", 0, 0, Block(15, 4, {"5", "2,75", "0,25", "1"}), false, none, none, 15, 4, {"5", "2,75", "0,25", "1"}, 5},
        {"BlanksSignsQuotesLettersDropped", 0, 1, Block(15, 1, {"\"1 000\"", "+0.5", "-2 mm"}), false, none, none, 15, 1, {"0", "1000", "0.5", "-2"}, 1000},
        {"EmptyEscapeCellBecomesZero", 0, 0, Block(15, 7, {"8", "1", "", "1"}), false, none, none, 15, 7, {"8", "1", "0", "1"}, 8},
        {"LineFeedsAlone", 0, 0, lineFeeds, false, none, none, 15, 14, {"15", "3", "0.5", "14"}, 15},
        {"OneColumn", 0, 1, column, false, none, none, 15, 3, {"0", "1.5", "0", "0"}, 1.5},
        {"ColumnsBeyondTheGrid", 0, 0, fiveWide, false, none, none, 15, 3, {"3", "1", "0", "1"}, 3},
        {"TimeWithAFraction", 0, 0, Block(15, 2, {"2.5", "1", "0", "1"}), false, none, insufficient, 15, 2, {"2.5", "1", "0", "1"}, 0},
        {"BothSeparators", 0, 0, Block(15, 4, {"5", "1.2,5", "0", "1"}), false, none, insufficient, 15, 4, {"5", "1.2,5", "0", "1"}, 5},
        {"ExponentLosesItsE", 0, 0, Block(15, 0, {"1", "1.5E-3", "0", "1"}), false, none, insufficient, 15, 0, {"1", "1.5-3", "0", "1"}, 1},
        {"EmptyTime", 0, 0, Block(15, 6, {"", "1", "0", "1"}), false, none, insufficient, 15, 6, {"", "1", "0", "1"}, 0},
        // Regression: the data set took all 1600 rows while the field showed 1500.
        {"MoreThan1500Rows", 0, 0, Block(1600, 1499, {"7", "2", "0", "1"}), false, none, {"The maximum number of data is 1500. 100 pasted rows beyond it were left out."}, 1500, 1499, {"7", "2", "0", "1"}, 7},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Windows w(true);
        w.dialogs.answers = {c.keepCount};
        w.PasteIntoCell(c.row, c.col, c.text);
        const DataArrayR& series = c.col == 0 ? w.dm().TimeData : w.dm().RainData;
        EXPECT_EQ((std::tuple{w.dialogs.questions, w.dialogs.messages, w.grid().RowCount(),
                              w.grid().ColCount(), w.Row(c.check), series[c.check], w.dm().NrOfData,
                              w.form.DataEntered}),
                  (std::tuple{c.questions, c.messages, c.rows, 4, c.texts, c.dataValue, c.rows,
                              c.messages != insufficient}));
    }
    // Columns beyond the grid stay out of sight; the prediction entry
    // selected takes three columns and the prediction mode.
    Windows w(true);
    w.PasteIntoCell(0, 0, fiveWide);
    EXPECT_EQ((std::pair{w.grid().Cell(4, 3), w.grid().Cell(5, 3)}),
              (std::pair{QString("77"), QString("6")}));
    w.form.OptionComboBox->setFocus();
    QTest::keyClick(w.form.OptionComboBox,
                    Qt::Key_Down);  // the prediction entry, with no input file
    EXPECT_TRUE(w.dm().PredictionMode && !w.dm().DischargeMode && w.grid().ColCount() == 3);
    w.PasteIntoCell(0, 0, tenRows + tenRows);
    EXPECT_TRUE(w.dm().PredictionMode && !w.dm().DischargeMode && w.dm().ModeTag == " Pre");
    EXPECT_EQ(w.grid().geometry(), QRect(72, w.grid().y(), 218, w.grid().height()));
}

TEST(NumberOfData, CountsTypedAndLeft) {
    const struct {
        const char* typed;
        std::vector<std::string> messages;
        const char* fieldAfter;
        int rows;
        // clang-format off
    } cases[] = {
        {"1500", {" Add data in the last cells at the end of the column"}, "1500", 1500},
        {"1501", {" The maximum number of data is 1500. Not enough? Contact the author."}, "1500", 15},
        {"11", {" The minimum number of data is 12"}, "12", 15},
        {"12.5", {"The number of data is not a valid integer"}, "12.5", 15},
        {"13", {" To remove data make the relevant data cells empty"}, "13", 15},
        {" 15 ", {}, " 15 ", 15},
    };
    // clang-format on
    for (const auto& c : cases) {
        Windows w(true);
        w.Type(w.form.NrOfDataEdit, c.typed);
        EXPECT_EQ((std::tuple{w.dialogs.messages, w.form.NrOfDataEdit->text(), w.grid().RowCount(),
                              w.dm().NrOfData}),
                  (std::tuple{c.messages, c.fieldAfter, c.rows, c.rows}))
            << c.typed;
        if (c.rows == 1500) {
            EXPECT_EQ(w.Row(1499), (QStringList{"0", "0", "0", "0"}));
            EXPECT_EQ((std::pair{w.dm().RowCheck[15], w.dm().RowCheck[1499]}),
                      (std::pair{16, 1500}));
        }
    }
    // Growth keeps what was pasted and, a regression, what was typed since.
    Windows w(true);
    w.PasteIntoCell(0, 0, Block(15));
    QTest::keyClicks(w.OpenEditor(3, 1), "7.25");
    w.ClickCell(14, 3);
    w.dialogs.Clear();
    w.Type(w.form.NrOfDataEdit, "18");
    EXPECT_EQ(
        (std::tuple{w.grid().RowCount(), w.Row(3), w.Row(14), w.Row(17), w.dm().TimeData[14]}),
        (std::tuple{18, QStringList{"4", "7.25", "0", "1"}, QStringList{"15", "1", "0", "1"},
                    QStringList{"0", "0", "0", "0"}, 15.0}));
    // Typing in a cell changes the grid only, and marks the data as entered.
    EXPECT_TRUE(w.dm().RainData[3] == 1 && w.form.DataEntered);
}

TEST(InputFields, EachFieldsCheckWhenItIsLeft) {
    const auto kept = -999.0;  // the value before stays
    const struct {
        int field;  // maximum and initial storage, M, initial runoff and level, porosity
        const char *typed, *message, *shown;  // no message: nullptr
        double stored;
    } cases[] = {
        {0, "2,5", nullptr, "2,5", 2.5},
        {0, "abc", "The maximum storage is not a valid real", "0", kept},
        {0, "-1", "The maximum storage must be >= 0", "0", -1},
        {1, "-3", "The initial storage must be >= 0", "0", -3},
        {1, "500", nullptr, "500", 500},  // not compared with the maximum
        {2, "m", "The A1 coefficient is not a valid real", "0", kept},
        {2, "-0,125", nullptr, "-0,125", -0.125},
        {3, "-0.5", "The initial runoff must be >= 0", "0", -0.5},
        {4, "1.2,5", "The initial level is not a valid real", "0", kept},
        {4, "-10", "The initial level must be >= 0", "0", -10},
        {5, "100", "The porosity must be < 100%", " 5", 100},
        {5, "99.9", nullptr, "99.9", 99.9},
        {5, "five", "The porosity is not a valid real", "0", kept},
        {5, "0", nullptr, "0", 0},
    };
    for (const auto& c : cases) {
        Windows w(true);
        w.OpenInput(
            w.dir.Write("p.inp", DataFile("inputs/prediction.inp", "x")));  // all fields shown
        QLineEdit* edit =
            std::vector{w.form.MaxStorEdit, w.form.InitStorEdit,  w.form.A1coeffEdit,
                        w.form.InitRunEdit, w.form.InitLevelEdit, w.form.PorosityEdit}[c.field];
        double& value = *std::vector{&w.dm().MaxSto, &w.dm().IniSto,  &w.session.Values.MCoeff,
                                     &w.dm().RunIni, &w.dm().HeadIni, &w.dm().Porosity}[c.field];
        value = kept;
        w.Type(edit, c.typed);
        const auto messages =
            c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
        EXPECT_EQ((std::tuple{w.dialogs.messages, edit->text(), value}),
                  (std::tuple{messages, c.shown, c.stored}))
            << c.typed;
    }
}

TEST(InputLayout, ControlsOfTheAnalysisAndThePredictionLayout) {
    Windows w(true);
    // clang-format off
    auto layout = [&w] {
        TRainForm& f = w.form;
        return std::vector<int>{w.grid().ColCount(), w.grid().x(), w.grid().width(), f.TimeLabel->x(), f.RainLabel->x(),
                                f.EvapLabel->x(), f.RunoffLabel->isVisible() ? f.RunoffLabel->x() : -1,
                                f.StartLabel->x(), f.StartLabel->y(), f.AlphaDrainBox->isVisible(),
                                f.PredictGroupBox->isVisible(), f.TryMemo->isVisible(), f.AlfaButton->isVisible()};
    };
    // clang-format on
    EXPECT_EQ(layout(), (std::vector<int>{4, 150, 282, 151, 210, 278, 357, 430, 188, 0, 0, 1, 0}));
    EXPECT_EQ((std::tuple{w.grid().rowHeight(14), w.form.MaxStorEdit->text(),
                          w.form.InitStorEdit->text()}),
              (std::tuple{20, "50", "50"}));  // the values a run uses
    w.OpenInput(w.dir.Write("p.inp", DataFile("inputs/prediction.inp", "x")));
    EXPECT_EQ(layout(), (std::vector<int>{3, 72, 219, 86, 135, 204, -1, 285, 188, 1, 1, 0, 1}));
    EXPECT_EQ(w.form.AlphaLabel->text(), "Alpha=M*discharge+N");
    // "Clear all" keeps the layout and the column of observed values.
    w.Click(w.form.ClearButton);
    EXPECT_EQ(layout()[2], 219);
    EXPECT_EQ((std::tuple{w.grid().RowCount(), w.dm().NrOfData, w.form.OrigNrOfData}),
              (std::tuple{15, 15, 15}));
    EXPECT_EQ((std::tuple{w.Row(2, 3), w.form.PorosityEdit->text(), w.form.Title1Edit->text(),
                          w.form.DataEntered}),
              (std::tuple{QStringList{"0", "0", "0"}, " 5 ", "", false}));
}

TEST(WindowPlacement, LeftEdgeAndWidthByTheScreen) {
    for (auto [screen, left, width] :
         {std::tuple{640, 10, 630}, {675, 100, 675}, {1024, 100, 675}}) {
        const WindowPlacement p = PlaceMainWindow(screen, 675);
        EXPECT_EQ((std::pair{p.Left, p.Width}), (std::pair{left, width})) << screen;
    }
    Windows w;
    EXPECT_EQ((std::pair{w.form.x(), w.form.width()}), (std::pair{100, 675}));
}

struct Calculator : Windows {
    Calculator() : Windows(true) {
        dm().InputFileName = dir.File("field.inp");
        alfa.show();
        alfa.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&alfa));
    }
    QLineEdit* Field(size_t i) {
        return std::vector{
            alfa.Edit1, alfa.Edit2, alfa.Edit3, alfa.Edit4, alfa.Edit5, alfa.Edit6}[i];
    }
    void Calculate(const std::vector<const char*>& texts) {
        for (size_t i = 0; i < texts.size(); ++i) Type(Field(i), texts[i]);
        Click(alfa.Button1);
    }
};

TEST(Calculator, WorkedFieldsEnterMAndNIntoTheInputTab) {
    Calculator w;
    w.Calculate({"1", "1", "10", "0,5", "5", "50"});  // worked by hand in the engine's tests
    EXPECT_EQ((std::tuple{w.alfa.Edit7->text(), w.alfa.Edit8->text(), w.form.A1coeffEdit->text(),
                          w.form.B1valueEdit->text(), w.form.PorosityEdit->text(),
                          w.session.Values.NValue}),
              (std::tuple{" 0.03200", " 0.25347", " 0.03200", " 0.25347", "5", 0.25347}));
    EXPECT_EQ(w.dialogs.messages,
              std::vector<std::string>{"The drainage parameters were computed and its "
                                       "values are entered in the input tabsheet."});
    // The data set is a prediction now, and the Input tab shows one.
    EXPECT_TRUE(w.dm().PredictionMode && !w.dm().DischargeMode && !w.dm().HeadMode);
    EXPECT_EQ(
        (std::tuple{w.dm().ModeTag, w.form.OptionComboBox->currentIndex(), w.grid().ColCount()}),
        (std::tuple{" Pre", 1, 3}));
    w.Calculate({"1", "1", "5", "0.5", "5", "50"});
    EXPECT_EQ(ReadBytes(w.dir.File("field.par")), DataFile("inputs/field.par"));
    // Any change empties the results.
    QTest::keyClick(w.alfa.Edit6, Qt::Key_0);
    EXPECT_EQ((std::tuple{w.alfa.Edit7->text(), w.alfa.Edit8->text(), w.alfa.HeldN()}),
              (std::tuple{QString(), QString(), 0.0}));
    // Shown again beside its parameter file, the window shows the values held.
    w.alfa.hide();
    w.alfa.show();
    EXPECT_EQ((std::pair{w.alfa.Edit6->text(), w.alfa.Edit8->text()}),
              (std::pair{QString("50"), QString("0.20173")}));
}

TEST(Calculator, FieldChecksAndIncompleteInputs) {
    const std::string incomplete = "One or more data values are incorrect";
    const struct {
        std::vector<const char*> inputs;
        std::string message;  // before Calculate's
        const char* shown;    // the last field's text after its check
        double stored;        // what the session holds for it
    } cases[] = {
        {{"-1"}, "Ka should be greater than zero", "", 0},
        {{"1", "1", "5", "half"}, "'half' is not a valid floating point value", "half", 0},
        {{"1", "1", "5", "0.5", "50"}, "P should be less than 30%", "", 50},
        {{"1", "1", "5", "0.5", "0.5"}, "P should be greater than 1%", "", 0.5},
        {{"1", "1", "5", "0.5", "5", "-50"}, "L should be greater than zero", "", -50},
        // Passing their fields, yet not usable together.
        {{"0", "1", "5", "0.5", "5", "50"}, "", "50", 50},
        {{"1", "1", "5", "0.5", "30", "50"}, "", "50", 50},
    };
    for (const auto& c : cases) {
        Calculator w;
        w.Calculate(c.inputs);
        const size_t last = c.inputs.size() - 1;
        const ProgramValues& v = w.session.Values;
        const double stored[] = {v.Ka, v.Kb, v.D, v.U, w.dm().Porosity, v.L};
        const auto messages =
            c.message.empty() ? std::vector{incomplete} : std::vector{c.message, incomplete};
        EXPECT_EQ(w.dialogs.messages, messages);
        EXPECT_EQ((std::tuple{w.Field(last)->text(), stored[last], w.alfa.Edit7->text(),
                              w.dm().PredictionMode}),
                  (std::tuple{c.shown, c.stored, QString(), false}))
            << c.inputs.back();
        EXPECT_FALSE(std::filesystem::exists(w.dir.File("field.par")));
    }
}

}  // namespace
}  // namespace tervala::testing
