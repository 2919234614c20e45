// The "Comment on shape of the curve" window: why a rainfall-runoff relation
// may fit poorly (intervals longer than the time of concentration, a time lag
// in large catchments) and what to do about it. Non-modal.
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

namespace tervala {

class TCommentForm : public QWidget {
    Q_OBJECT
  public:
    explicit TCommentForm(QWidget* parent = nullptr);

    QPlainTextEdit* CommentMemo;  // read-only
};

}  // namespace tervala
