// The drainage calculator "Calculator rection factors drainage systm": M and N
// of the alpha function Alpha = M * discharge + N (per day) of a field drained
// by pipes or ditches, from Ka and Kb (m/day), D, U and L (m) and the drainable
// porosity (percent) through Hooghoudt's equivalent depth. It enters M and N
// into the Input tab, switches the data set to prediction and keeps its six
// inputs in the ".par" file beside the input file.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "engine/drainage_inputs.h"
#include "engine/session.h"
#include "ui/dialogs.h"

namespace tervala {

class TAlfaForm : public QWidget {
    Q_OBJECT
  public:
    // Creation leaves Ka, Kb, D, U and L at 0 (they start so in the session).
    TAlfaForm(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    QLineEdit* Edit1;      // Ka, m/day
    QLineEdit* Edit2;      // Kb, m/day
    QLineEdit* Edit3;      // D, m
    QLineEdit* Edit4;      // U, m
    QLineEdit* Edit5;      // porosity, percent
    QLineEdit* Edit6;      // L, m
    QLineEdit* Edit7;      // M, read-only
    QLineEdit* Edit8;      // N, read-only
    QPushButton* Button1;  // "Calculate"
    QLabel* TxTLabel;
    QLabel* GeometryImage;
    QPlainTextEdit* RefMemo;

    // M and N of the last calculation; 0 once an input has changed since.
    double HeldM() const { return heldM_; }
    double HeldN() const { return heldN_; }
    bool InputsValid() const { return inputsValid_; }

  public slots:
    // Checks of one field when the user leaves it.
    void Edit1Exit();
    void Edit2Exit();
    void Edit3Exit();
    void Edit4Exit();
    void Edit5Exit();
    void Edit6Exit();
    // Any change of an input invalidates the shown M and N.
    void EditChange();
    void Button1Click();
    // On every showing: with a parameter file beside the current input file,
    // the fields show the values held, M and N included.
    void FormShow();

  signals:
    // M and N ("%8.5f") and the porosity (general format) for the Input tab's
    // A1coeffEdit, B1valueEdit and PorosityEdit; the data set is now a prediction.
    void AlphaEntered(const QString& MText, const QString& NText, const QString& PorosityText);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CheckField(QLineEdit* edit, DrainageQuantity quantity);
    double& Stored(DrainageQuantity quantity);
    DrainageParameters CurrentInputs() const;
    void CheckCompleteness();

    Session& session_;
    Dialogs& dialogs_;
    double heldM_ = 0;
    double heldN_ = 0;
    bool inputsValid_ = false;
};

}  // namespace tervala
