// Regression: a paste of more than 1500 rows left the data set holding all of
// them while the number of data showed 1500, and Save/Run then wrote an input
// file the engine refused.
#include <QAbstractItemModel>

#include "tests/ui/rain_form_fixture.h"

namespace tervala::testing {
namespace {

TEST_F(RainFormTest, APasteOf1600RowsKeepsTheFirst1500AndSaysHowManyWereLeftOut) {
    ShowInputTab();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QString text;
    for (int r = 1; r <= 1600; ++r) text += QString("%1\t2\t0.1\t%2\r\n").arg(r).arg(r % 7);
    QApplication::clipboard()->setText(text);
    dialogs.Clear();
    grid().setCurrentIndex(grid().model()->index(0, 0));
    grid().setFocus();
    QTest::keyClick(&grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The maximum number of data is 1500. "
                                       "100 pasted rows beyond it were left out."});
    EXPECT_EQ(grid().RowCount(), 1500);
    EXPECT_EQ(form->NrOfDataEdit->text(), "1500");
    EXPECT_EQ(dm().NrOfData, 1500);
    EXPECT_EQ(grid().Cell(0, 1499), "1500");
    EXPECT_EQ(dm().TimeData[1499], 1500);
    EXPECT_EQ(dm().DischData[1499], 1500 % 7);
}

}  // namespace
}  // namespace tervala::testing
