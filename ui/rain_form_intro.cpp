// The Intro tab (introduction and four detail pages) and the Figure tab (the
// scheme of the two reservoirs).
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/rain_form.h"
#include "ui/tervala_resources.h"
#include "ui/window_helpers.h"

namespace tervala {

namespace {

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name, const QString& resource) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setPlainText(ReadResourceText(resource));
    return memo;
}

}  // namespace

void TRainForm::CreateIntroTab() {
    IntroTabSheet = new QWidget;
    IntroTabSheet->setObjectName("IntroTabSheet");
    auto* layout = new QVBoxLayout(IntroTabSheet);

    IntroMemo = MakeMemo(IntroTabSheet, "IntroMemo", ":/texts/intro.txt");
    FirstMemo = MakeMemo(IntroTabSheet, "FirstMemo", ":/texts/first_reservoir.txt");
    SecondMemo = MakeMemo(IntroTabSheet, "SecondMemo", ":/texts/second_reservoir.txt");
    AlphaMemo = MakeMemo(IntroTabSheet, "AlphaMemo", ":/texts/alpha_function.txt");
    HeadMemo = MakeMemo(IntroTabSheet, "HeadMemo", ":/texts/water_level.txt");
    for (QPlainTextEdit* memo : {IntroMemo, FirstMemo, SecondMemo, AlphaMemo, HeadMemo})
        layout->addWidget(memo, 1);

    auto* buttons = new QHBoxLayout;
    DetailsBox = new QGroupBox("Details", IntroTabSheet);
    DetailsBox->setObjectName("DetailsBox");
    auto* details = new QHBoxLayout(DetailsBox);
    FirstButton = MakeButton(DetailsBox, "FirstButton", "1st (pre) reservoir");
    SecondButton = MakeButton(DetailsBox, "SecondButton", "2nd (main) reservoir");
    AlphaButton = MakeButton(DetailsBox, "AlphaButton", "Alpha (response) function");
    HeadButton = MakeButton(DetailsBox, "HeadButton", "Water level (head)");
    for (QPushButton* b : {FirstButton, SecondButton, AlphaButton, HeadButton})
        details->addWidget(b);
    buttons->addWidget(DetailsBox, 1);
    BackButton = MakeButton(IntroTabSheet, "BackButton", "Back");
    buttons->addWidget(BackButton, 0, Qt::AlignBottom);
    layout->addLayout(buttons);

    connect(FirstButton, &QPushButton::clicked, this, &TRainForm::FirstButtonClick);
    connect(SecondButton, &QPushButton::clicked, this, &TRainForm::SecondButtonClick);
    connect(AlphaButton, &QPushButton::clicked, this, &TRainForm::AlphaButtonClick);
    connect(HeadButton, &QPushButton::clicked, this, &TRainForm::HeadButtonClick);
    connect(BackButton, &QPushButton::clicked, this, &TRainForm::BackButtonClick);
    ShowIntroMemo(IntroMemo);

    PageControl1->addTab(IntroTabSheet, "  Intro  ");
}

void TRainForm::CreateFigureTab() {
    FigureTabSheet = new QWidget;
    FigureTabSheet->setObjectName("FigureTabSheet");
    auto* layout = new QVBoxLayout(FigureTabSheet);

    Reservoir_Image = new QLabel(FigureTabSheet);
    Reservoir_Image->setObjectName("Reservoir_Image");
    Reservoir_Image->setAlignment(Qt::AlignCenter);
    Reservoir_Image->setPixmap(
        PictureForScreen("reservoirs", QSize(640, 440), Reservoir_Image->devicePixelRatioF()));
    layout->addWidget(Reservoir_Image, 1);

    RefMemo = new QPlainTextEdit(FigureTabSheet);
    RefMemo->setObjectName("RefMemo");
    RefMemo->setReadOnly(true);
    RefMemo->setPlainText(
        "The equations of the figure are given on the Intro tab: press the buttons under "
        "\"Details\" for the first (pre) reservoir, the second (main) reservoir, the alpha "
        "(response) function and the water level (head).");
    RefMemo->setFixedHeight(RefMemo->fontMetrics().lineSpacing() * 3 + 12);
    layout->addWidget(RefMemo);

    PageControl1->addTab(FigureTabSheet, " Figure ");
}

void TRainForm::ShowIntroMemo(QPlainTextEdit* shown) {
    for (QPlainTextEdit* memo : {IntroMemo, FirstMemo, SecondMemo, AlphaMemo, HeadMemo})
        memo->setVisible(memo == shown);
}

void TRainForm::FirstButtonClick() { ShowIntroMemo(FirstMemo); }

void TRainForm::SecondButtonClick() { ShowIntroMemo(SecondMemo); }

void TRainForm::AlphaButtonClick() { ShowIntroMemo(AlphaMemo); }

void TRainForm::HeadButtonClick() { ShowIntroMemo(HeadMemo); }

void TRainForm::BackButtonClick() { ShowIntroMemo(IntroMemo); }

}  // namespace tervala
