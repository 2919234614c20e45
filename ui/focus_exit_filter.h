// The "exit" event of a control: a handler that runs when the user moves the
// input focus away from it (to another control, by mouse, Tab or a tab
// change). Losing the focus to a drop-down list or to another window (a
// message box) is no exit, so a check never fires twice for one move.
#pragma once

#include <QObject>
#include <functional>
#include <map>

class QWidget;

namespace tervala {

class FocusExitFilter : public QObject {
    Q_OBJECT

  public:
    explicit FocusExitFilter(QObject* parent = nullptr) : QObject(parent) {}
    void Watch(QWidget* control, std::function<void()> onExit);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::map<QObject*, std::function<void()>> handlers_;
};

}  // namespace tervala
