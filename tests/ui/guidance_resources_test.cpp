// The pictures and guidance texts compiled into the program, and the help and
// comment windows that show them.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include "ui/comment_form.h"
#include "ui/help_form.h"
#include "ui/tervala_resources.h"

namespace tervala {
namespace {

class GuidanceResources : public ::testing::Test {
protected:
    void SetUp() override { InitTervalaResources(); }
};

// Every picture must decode through the JPEG image plugin (libjpeg); a
// missing plugin or a damaged file leaves a null image.
TEST_F(GuidanceResources, PicturesDecodeAsJpeg) {
    struct Picture {
        const char* path;
        int minWidth, minHeight;
    };
    for (Picture p : {Picture{":/pictures/reservoirs.jpg", 500, 350},
                      Picture{":/pictures/input_small.jpg", 120, 80},
                      Picture{":/pictures/drainage_geometry.jpg", 500, 300}}) {
        QImageReader reader(p.path);
        EXPECT_EQ(reader.format().toStdString(), "jpeg") << p.path;
        QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << p.path << ": " << reader.errorString().toStdString();
        EXPECT_GE(image.width(), p.minWidth) << p.path;
        EXPECT_GE(image.height(), p.minHeight) << p.path;
        // A drawing, not a blank: some pixels are far from white.
        int dark = 0;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                if (qGray(image.pixel(x, y)) < 100) ++dark;
        EXPECT_GT(dark, 20) << p.path;
    }
}

TEST_F(GuidanceResources, TextsOpenWithTheirHeadings) {
    struct Text {
        const char* path;
        const char* heading;
    };
    for (Text t : {Text{":/texts/intro.txt", "INTRODUCTION TO THE Tervala PROGRAM\n"},
                   Text{":/texts/first_reservoir.txt",
                        "CONVERSION OF RAINFALL INTO RECHARGE THROUGH THE\nFIRST RESERVOIR\n"},
                   Text{":/texts/second_reservoir.txt",
                        "CALCULATING RUNOFF FROM THE SECOND RESERVOIR\n"
                        "USING THE RECHARGE COMING FROM THE FIRST\n"},
                   Text{":/texts/alpha_function.txt",
                        "DETERMING THE ALPHA FUNCTION FROM RAINFALL-RUNOFF DATA\n"},
                   Text{":/texts/water_level.txt", "DETERMINING THE WATER LEVEL (HYDRAULIC HEAD)\n"},
                   Text{":/texts/start_help.txt", "START HELP\n"},
                   Text{":/texts/comment.txt", "COMMENT ON THE SHAPE OF THE CURVE\n"}}) {
        const QString text = ReadResourceText(t.path);
        EXPECT_TRUE(text.startsWith(t.heading)) << t.path;
        EXPECT_GT(text.size(), 800) << t.path;  // written out in full, not a stub
    }
}

TEST_F(GuidanceResources, StartHelpWalksThroughTheExample) {
    const QString text = ReadResourceText(":/texts/start_help.txt");
    EXPECT_TRUE(text.contains("\"Vidora\""));
    EXPECT_TRUE(text.contains("\"Data\""));
    EXPECT_TRUE(text.contains("\"Test1\""));
    EXPECT_TRUE(text.contains("Rsquare"));
    EXPECT_TRUE(text.contains("from 0.2 to 0.1"));
}

TEST_F(GuidanceResources, HelpWindow) {
    THelpForm help;
    EXPECT_EQ(help.windowTitle().toStdString(), "Start help");
    EXPECT_TRUE(help.HelpMemo->isReadOnly());
    EXPECT_EQ(help.HelpMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(help.HelpMemo->toPlainText().startsWith("START HELP"));
    EXPECT_FALSE(help.isVisible());
    help.show();
    help.show();  // pressed twice: still the one window
    EXPECT_TRUE(help.isVisible());
}

TEST_F(GuidanceResources, CommentWindow) {
    TCommentForm comment;
    EXPECT_EQ(comment.windowTitle().toStdString(), "Comment on shape of the curve");
    EXPECT_TRUE(comment.CommentMemo->isReadOnly());
    EXPECT_TRUE(comment.CommentMemo->toPlainText().contains("time of concentration"));
}

}  // namespace
}  // namespace tervala
